#include <QTest>

class TestPagefile : public QObject
{
    Q_OBJECT
};

QTEST_MAIN(TestPagefile)
#include "tst_pagefile.moc"
