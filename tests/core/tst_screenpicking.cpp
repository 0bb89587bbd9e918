// Runs at 150 % in an X server whose desktop xsetroot has painted in stripes one device pixel wide,
// #3399CC at even x and white at odd x, and on a private session bus where the test stands in for
// the desktop.

#include "core/portalcolorpicker.h"
#include "core/screenpicking.h"

#include <QDBusArgument>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QScreen>
#include <QTest>

using namespace Tintora;
using namespace std::chrono_literals;

namespace {

const QString kPortalPath = u"/org/freedesktop/portal/desktop"_qs;

// The desktop portal's colour picker: answers PickColor with the request object's path, then,
// unless silent, sends that object's Response with the given arguments.
class StandInPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    static inline QVariantList picked; // the answer of a pick of #3399CC
    QVariantList answer; // empty: silent
    bool asked = false;

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options)
    {
        asked = true;
        const QString path = u"/org/freedesktop/portal/desktop/request/%1/%2"_qs.arg(
            message().service().sliced(1).replace(u'.', u'_'),
            options.value(u"handle_token"_qs).toString());
        setDelayedReply(true);
        connection().send(message().createReply(QVariant::fromValue(QDBusObjectPath(path))));
        QDBusMessage response = QDBusMessage::createSignal(
            path, u"org.freedesktop.portal.Request"_qs, u"Response"_qs);
        // Another program on the bus answers first, from a connection of its own.
        response.setArguments(picked);
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"intruder"_qs).send(response);
        response.setArguments(answer);
        if (!answer.isEmpty())
            connection().send(response);
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

private slots:
    void desktop()
    {
        // In device pixels, at the scale the test runs at.
        const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
        QCOMPARE(screenColorAt(QPointF(100, 51) / scale), colorValue(0x33, 0x99, 0xCC));
        QCOMPARE(screenColorAt(QPointF(51, 100) / scale), kWhite);
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

    // One picker through every case in turn: each pick ends in one answer, and the next pick
    // reaches the portal again.
    void portal()
    {
        QDBusArgument color;
        color.beginStructure();
        color << 0.2 << 0.6 << 0.8;
        color.endStructure();
        const QVariantList picked {0u, QVariantMap {{u"color"_qs, QVariant::fromValue(color)}}};
        StandInPortal::picked = picked;
        PortalColorPicker picker(QDBusConnection::sessionBus(), 1s);
        QStringList answers;
        connect(&picker, &PortalColorPicker::picked, &picker,
                [&answers](ColorValue color) { answers << QString::number(color); });
        connect(&picker, &PortalColorPicker::cancelled, &picker,
                [&answers] { answers << u"cancelled"_qs; });
        connect(&picker, &PortalColorPicker::failed, &picker,
                [&answers](const QString &message) { answers << message; });
        // Whether the portal runs, whether it leaves the bus once asked, its answer (none: silent)
        // and what the picker answers.
        // clang-format off
        const std::tuple<bool, bool, QVariantList, QString> cases[] = {
            {true, false, picked, u"13408563"_qs}, {true, false, {1u, QVariantMap()}, u"cancelled"_qs},
            {true, false, {2u, QVariantMap()}, u"failed"_qs},
            {true, false, {0u, QVariantMap()}, u"no colour"_qs},
            {true, false, {u"13408563"_qs}, u"no colour"_qs}, // regression: wrong types, never ended
            {true, false, {}, u"not answer"_qs}, // regression: silent, never ended
            {true, true, {}, u"stopped"_qs}, {false, false, picked, u"not start"_qs},
            {true, false, picked, u"13408563"_qs}};
        // clang-format on
        const auto caseBus = [] { // the desktop's, which a case may close
            return QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"case"_qs);
        };
        for (int picks = 1; const auto &[runs, leaves, answer, expected] : cases) {
            StandInPortal portal;
            portal.answer = answer;
            QVERIFY(
                caseBus().registerObject(kPortalPath, &portal, QDBusConnection::ExportAllSlots));
            QVERIFY(!runs || caseBus().registerService(m_portalName));
            picker.pick();
            QTRY_VERIFY(!leaves || portal.asked);
            if (leaves)
                QDBusConnection::disconnectFromBus(u"case"_qs);
            QTRY_VERIFY(!picker.isPicking());
            QDBusConnection::disconnectFromBus(u"case"_qs);
            QCOMPARE(answers.size(), picks++);
            QVERIFY2(answers.last().contains(expected), qPrintable(answers.last()));
        }
    }
};

QTEST_MAIN(TestScreenPicking)
#include "tst_screenpicking.moc"
