// Runs in an X server whose desktop xsetroot has painted in one-pixel stripes, #3399CC at even x
// and white at odd x, and on a private session bus where the test stands in for the desktop.

#include "core/portalcolorpicker.h"
#include "core/screenpicking.h"

#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTest>

using namespace Tintora;

namespace {

// The desktop portal's colour picker: answers PickColor with the request object's path, then
// sends that object's Response.
class StandInPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    uint response = 0;
    QVariantMap results;

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options)
    {
        const QString path = u"/org/freedesktop/portal/desktop/request/%1/%2"_qs.arg(
            message().service().sliced(1).replace(u'.', u'_'),
            options.value(u"handle_token"_qs).toString());
        setDelayedReply(true);
        connection().send(message().createReply(QVariant::fromValue(QDBusObjectPath(path))));
        QDBusMessage answer = QDBusMessage::createSignal(path, u"org.freedesktop.portal.Request"_qs,
                                                         u"Response"_qs);
        connection().send(answer << response << results);
        return {};
    }
};

} // namespace

class TestScreenPicking : public QObject
{
    Q_OBJECT

private:
    // The desktop's own connection to the bus, where the portal's name comes and goes.
    QDBusConnection m_desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"d"_qs);
    const QString m_portalName = u"org.freedesktop.portal.Desktop"_qs;
    StandInPortal m_portal;

private slots:
    void desktop()
    {
        QCOMPARE(screenColorAt(QPoint(100, 51)), colorValue(0x33, 0x99, 0xCC));
        QCOMPARE(screenColorAt(QPoint(51, 100)), kWhite);
        QCOMPARE(screenColorAt(QPoint(-1, 0)), std::nullopt);
        const QDBusConnection bus = QDBusConnection::sessionBus();
        QCOMPARE(screenPickSupport().method, ScreenPickMethod::Read);
        const ScreenPickSupport none = screenPickSupport(u"wayland", true, bus);
        QVERIFY(none.method == ScreenPickMethod::None && !none.reason.isEmpty());
        QVERIFY(m_desktop.registerService(m_portalName));
        QCOMPARE(screenPickSupport(u"wayland", true, bus).method, ScreenPickMethod::Portal);
        QCOMPARE(screenPickSupport(u"xcb", true, bus).method, ScreenPickMethod::Portal);
        QVERIFY(m_desktop.unregisterService(m_portalName));
    }

    void portal()
    {
        QVERIFY(m_desktop.registerObject(u"/org/freedesktop/portal/desktop"_qs, &m_portal,
                                         QDBusConnection::ExportAllSlots));
        QDBusArgument color;
        color.beginStructure();
        color << 0.2 << 0.6 << 0.8;
        color.endStructure();
        const QVariantMap picked {{u"color"_qs, QVariant::fromValue(color)}};
        // Whether the portal runs, its response and results, and what the picker answers:
        // cancelled, ended otherwise, success without a colour, no portal.
        // clang-format off
    const std::tuple<bool, uint, QVariantMap, QString> cases[] = {{true, 0, picked, u"13408563"_qs},
        {true, 1, {}, u"cancelled"_qs}, {true, 2, {}, u"failed"_qs}, {true, 0, {}, u"failed"_qs},
        {false, 0, picked, u"failed"_qs}};
        // clang-format on
        for (const auto &[withPortal, response, results, answer] : cases) {
            m_portal.response = response;
            m_portal.results = results;
            QVERIFY(!withPortal || m_desktop.registerService(m_portalName));
            PortalColorPicker picker;
            QStringList answers;
            connect(&picker, &PortalColorPicker::picked, &picker,
                    [&answers](ColorValue color) { answers << QString::number(color); });
            connect(&picker, &PortalColorPicker::cancelled, &picker,
                    [&answers] { answers << u"cancelled"_qs; });
            connect(&picker, &PortalColorPicker::failed, &picker,
                    [&answers] { answers << u"failed"_qs; });
            picker.pick();
            QTRY_VERIFY(!picker.isPicking());
            QTest::qWait(50); // for a second answer that must not come
            m_desktop.unregisterService(m_portalName);
            QCOMPARE(answers, QStringList {answer});
        }
    }
};

QTEST_MAIN(TestScreenPicking)
#include "tst_screenpicking.moc"
