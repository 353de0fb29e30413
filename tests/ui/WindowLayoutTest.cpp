#include "FormDriver.h"

#include <QIcon>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace {

// name, panel, caption ("" for boxes and frames); the kind follows from the name.
// clang-format off
const char* const Controls[][3] = {
    {"Frame1", "Form1", ""}, {"Frame2", "Form1", ""}, {"Frame3", "Form1", ""},
    {"Command2", "Form1", "&CALCULATE"}, {"Command3", "Form1", "&END"},
    {"Label20", "Frame2", "ADD FLOOR"}, {"Label13", "Frame2", "NAME: -"},
    {"Label19", "Frame2", "TOTAL NO. OF FLOORS: -"},
    {"Label18", "Frame2", "NO. OF COLOUMNS IN EACH FLOOR : -"}, {"Command4", "Frame2", "&OK"},
    {"Text7", "Frame2", ""}, {"Text11", "Frame2", ""}, {"Text12", "Frame2", ""},
    {"Label1", "Frame1", "ADD JOINT"}, {"Label2", "Frame1", "FLOOR :- 1"},
    {"Label3", "Frame1", "JOINT NO. : -"}, {"Label5", "Frame1", "K1 ="},
    {"Label6", "Frame1", "K2 ="}, {"Label7", "Frame1", "K3 ="}, {"Label8", "Frame1", "K4 = "},
    {"Label9", "Frame1", "M1 ="}, {"Label10", "Frame1", "M2 ="},
    {"Command5", "Frame1", "<--  &BACK"}, {"Command1", "Frame1", "D&ONE"},
    {"Command6", "Frame1", "&NEXT  -->"}, {"Text9", "Frame1", ""}, {"Text1", "Frame1", ""},
    {"Text2", "Frame1", ""}, {"Text3", "Frame1", ""}, {"Text4", "Frame1", ""},
    {"Text5", "Frame1", ""}, {"Text6", "Frame1", ""}, {"Label11", "Frame3", "ADD LOAD"},
    {"Label22", "Frame3", "FLOOR :- "}, {"Label4", "Frame3", "BAY :- "},
    {"Option1", "Frame3", "Point Load system"}, {"Option2", "Frame3", "UDL System"},
    {"Label12", "Frame3", "UDL 1 (KN/M): -"}, {"Label16", "Frame3", "UDL 2 (KN/M): -"},
    {"Label17", "Frame3", "PT. LOAD 1 (KN): -"}, {"Label15", "Frame3", "L = "},
    {"Label14", "Frame3", "X ="}, {"Command8", "Frame3", "<--  &BACK"},
    {"Command9", "Frame3", "D&ONE"}, {"Command7", "Frame3", "Next -->"}, {"Text14", "Frame3", ""},
    {"Text15", "Frame3", ""}, {"Text8", "Frame3", ""}, {"Text10", "Frame3", ""},
    {"Text13", "Frame3", ""}, {"Text17", "Frame3", ""}, {"Text16", "Frame3", ""},
};
// clang-format on

const char* const BuddyPairs[][2] = {
    {"Label13", "Text7"},  {"Label19", "Text11"}, {"Label18", "Text12"}, {"Label3", "Text9"},
    {"Label5", "Text1"},   {"Label6", "Text2"},   {"Label7", "Text3"},   {"Label8", "Text4"},
    {"Label9", "Text5"},   {"Label10", "Text6"},  {"Label22", "Text14"}, {"Label4", "Text15"},
    {"Label12", "Text8"},  {"Label16", "Text10"}, {"Label17", "Text13"}, {"Label15", "Text17"},
    {"Label14", "Text16"},
};

const char* KindOf(const QString& name) {
    const std::pair<const char*, const char*> kinds[] = {{"Frame", "QGroupBox"},
                                                         {"Label", "QLabel"},
                                                         {"Text", "QLineEdit"},
                                                         {"Command", "QPushButton"},
                                                         {"Option", "QRadioButton"}};
    for (const auto& [prefix, kind] : kinds) {
        if (name.startsWith(QLatin1String(prefix))) {
            return kind;
        }
    }
    return "?";
}

QString CaptionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    const auto* box = qobject_cast<const QLineEdit*>(widget);
    return box != nullptr ? box->text() : QString();
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlInItsPanelWithItsCaption() {
        FormDriver driver;
        for (const auto& [name, panel, caption] : Controls) {
            const QWidget* control = driver.find(name);
            QVERIFY2(control->inherits(KindOf(QString::fromLatin1(name))), name);
            QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(panel));
            QCOMPARE(CaptionOf(control), QString::fromLatin1(caption));
        }
        for (const auto& [label, box] : BuddyPairs) {
            QCOMPARE(driver.find<QLabel>(label)->buddy(), driver.find(box));
        }
    }

    void placesFontsAndColoursFromTwips() {
        FormDriver driver;
        QCOMPARE(driver.form().size(), QSize(732, 314)); // 10980 x 4710 twips
        QCOMPARE(driver.form().maximumSize(), driver.form().minimumSize());
        QCOMPARE(driver.find("Frame2")->geometry(), QRect(170, 65, 393, 185));
        QCOMPARE(driver.find("Text12")->geometry(), QRect(304, 104, 81, 27));
        QCOMPARE(driver.find("Command7")->geometry(), QRect(224, 232, 81, 25));
        struct Look {
            const char* name;
            double points;
            bool bold;
            QRgb colour;
        };
        const Look looks[] = {{"Label20", 15.75, false, qRgb(0, 0, 255)},
                              {"Label13", 12, false, qRgb(255, 0, 0)},
                              {"Label8", 12, true, qRgb(0, 192, 0)},
                              {"Label22", 12, true, qRgb(255, 0, 255)},
                              {"Option2", 12, false, qRgb(255, 0, 0)}};
        for (const Look& look : looks) {
            const QWidget* control = driver.find(look.name);
            QCOMPARE(control->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(control->font().pointSizeF(), look.points);
            QCOMPARE(control->font().bold(), look.bold);
            QCOMPARE(control->palette().color(QPalette::WindowText).rgb(), look.colour);
        }
        QCOMPARE(driver.find("Text16")->font().pointSizeF(), 12.0);
        QCOMPARE(driver.form().windowTitle(), QStringLiteral("Velmora Frame Analysis"));
        const QList<QSize> sizes = driver.form().windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }

    void startsWithTheSetupPanelAlone() {
        FormDriver driver;
        for (const auto& [name, panel, caption] : Controls) {
            const bool onSetup =
                QLatin1String(name) == "Frame2" || QLatin1String(panel) == "Frame2";
            QVERIFY2(driver.find(name)->isVisible() == onSetup, name);
        }
        QVERIFY(!driver.enabled("Text9") && !driver.enabled("Command8"));
        QVERIFY(!driver.find<QRadioButton>("Option1")->isChecked());
        QVERIFY(!driver.find<QRadioButton>("Option2")->isChecked());
    }

    void tabSkipsHiddenAndDisabledControls() {
        FormDriver driver;
        QCOMPARE(driver.focusName(), QStringLiteral("Text7"));
        WalkWith(driver, Qt::Key_Tab, {"Text11", "Text12", "Command4", "Text7"});
        WalkWith(driver, Qt::Key_Backtab, {"Command4", "Text12"});

        // Text9, Command5 and Command8 are disabled, the setup panel is hidden. The
        // two load-system options are one stop, the chosen one or else the first.
        driver.setUp("T", "2", "3");
        const QStringList cycle = {
            "Text1",    "Text2",  "Text3",    "Text4",    "Text5",    "Text6",    "Command1",
            "Command6", "Text14", "Text15",   "Option1",  "Text8",    "Text10",   "Text13",
            "Text17",   "Text16", "Command9", "Command7", "Command2", "Command3", "Text1"};
        QCOMPARE(driver.focusName(), cycle.front());
        WalkWith(driver, Qt::Key_Tab, cycle.mid(1));
        QStringList back = cycle;
        std::reverse(back.begin(), back.end());
        WalkWith(driver, Qt::Key_Backtab, back.mid(1));

        // Both "<--  &BACK" buttons enabled, "UDL System" chosen: its point-load boxes
        // are disabled and the option group stops at the chosen option.
        driver.click("Command6");
        driver.click("Command7");
        driver.click("Option2");
        driver.click("Command1");
        WalkWith(driver, Qt::Key_Tab,
                 {"Command5", "Text14", "Text15", "Option2", "Text8", "Text17", "Command9",
                  "Command7", "Command8", "Command2", "Command3", "Text1"});
    }

private:
    static void WalkWith(FormDriver& driver, Qt::Key key, const QStringList& expected) {
        for (const QString& name : expected) {
            driver.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(driver.focusName(), name);
        }
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
