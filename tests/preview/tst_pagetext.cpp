#include <QTest>

class TestPagetext : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestPagetext)
#include "tst_pagetext.moc"
