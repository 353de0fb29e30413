#include "FormDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <tuple>

namespace {

// Control, panel, caption and, for a box's label, the box it names.
// clang-format off
const char* const Captions[][4] = {
    {"Command2", "Form1", "&CALCULATE", ""}, {"Command3", "Form1", "&END", ""},
    {"Label20", "Frame2", "ADD FLOOR", ""}, {"Label13", "Frame2", "NAME: -", "Text7"},
    {"Label19", "Frame2", "TOTAL NO. OF FLOORS: -", "Text11"},
    {"Label18", "Frame2", "NO. OF COLOUMNS IN EACH FLOOR : -", "Text12"},
    {"Command4", "Frame2", "&OK", ""}, {"Label1", "Frame1", "ADD JOINT", ""},
    {"Label2", "Frame1", "FLOOR :- 1", ""}, {"Label3", "Frame1", "JOINT NO. : -", "Text9"},
    {"Label5", "Frame1", "K1 =", "Text1"}, {"Label6", "Frame1", "K2 =", "Text2"},
    {"Label7", "Frame1", "K3 =", "Text3"}, {"Label8", "Frame1", "K4 = ", "Text4"},
    {"Label9", "Frame1", "M1 =", "Text5"}, {"Label10", "Frame1", "M2 =", "Text6"},
    {"Command5", "Frame1", "<--  &BACK", ""}, {"Command1", "Frame1", "D&ONE", ""},
    {"Command6", "Frame1", "&NEXT  -->", ""}, {"Label11", "Frame3", "ADD LOAD", ""},
    {"Label22", "Frame3", "FLOOR :- ", "Text14"}, {"Label4", "Frame3", "BAY :- ", "Text15"},
    {"Option1", "Frame3", "Point Load system", ""}, {"Option2", "Frame3", "UDL System", ""},
    {"Label12", "Frame3", "UDL 1 (KN/M): -", "Text8"},
    {"Label16", "Frame3", "UDL 2 (KN/M): -", "Text10"},
    {"Label17", "Frame3", "PT. LOAD 1 (KN): -", "Text13"},
    {"Label15", "Frame3", "L = ", "Text17"}, {"Label14", "Frame3", "X =", "Text16"},
    {"Command8", "Frame3", "<--  &BACK", ""}, {"Command9", "Frame3", "D&ONE", ""},
    {"Command7", "Frame3", "Next -->", ""}};
// clang-format on

void Walk(FormDriver& driver, Qt::Key key, const QStringList& expected) {
    for (const QString& name : expected) {
        driver.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(driver.focusName(), name);
    }
}

/// The chosen load-system option, then whether each point-load box is enabled.
QString LoadSystem(const FormDriver& driver) {
    QString state = driver.find<QRadioButton>("Option1")->isChecked()   ? "Option1"
                    : driver.find<QRadioButton>("Option2")->isChecked() ? "Option2"
                                                                        : "neither";
    for (const char* box : {"Text10", "Text13", "Text16"}) {
        state += driver.enabled(box) ? " on" : " off";
    }
    return state;
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each caption sits in its panel and a box's label names the box. Places are drawn
    // up in twips, 15 to the pixel; two controls stand for all.
    void captionsPanelsBuddiesAndPlaces() {
        FormDriver driver;
        for (const auto& [name, panel, caption, box] : Captions) {
            const QWidget* control = driver.find(name);
            QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(panel));
            QCOMPARE(control->property("text").toString(), QString::fromLatin1(caption));
            if (*box != '\0') {
                QCOMPARE(driver.find<QLabel>(name)->buddy(), driver.find(box));
                QCOMPARE(driver.find(box)->parentWidget(), control->parentWidget());
            }
        }
        QCOMPARE(driver.form().size(), QSize(732, 314)); // 10980 x 4710 twips
        QCOMPARE(driver.form().maximumSize(), driver.form().minimumSize());
        QCOMPARE(driver.find("Frame2")->geometry(), QRect(170, 65, 393, 185));
        QCOMPARE(driver.find("Text12")->geometry(), QRect(304, 104, 81, 27));
    }

    // An accepted setup shows the joint and bay-load panels and "&END". Tab and
    // Shift+Tab reach only the controls shown and enabled, at first the setup panel
    // alone; the two load-system options are one stop, the chosen one or else the first.
    void acceptedSetupAndKeyboardOrder() {
        FormDriver driver;
        QCOMPARE(driver.focusName(), QStringLiteral("Text7"));
        Walk(driver, Qt::Key_Tab, {"Text11", "Text12", "Command4", "Text7"});
        Walk(driver, Qt::Key_Backtab, {"Command4", "Text12"});
        // The name box raises typed letters a..z only, not other characters nor pasted text.
        driver.type("Text7", "block a;2");
        QApplication::clipboard()->setText("b");
        driver.key(Qt::Key_V, Qt::ControlModifier);
        driver.typeAll({"Text11", "Text12"}, {"2 ", " 3kN"});
        driver.click("Command4");
        QCOMPARE(driver.model().ProjectName, std::string("BLOCK A;2b"));
        QVERIFY(driver.model().CurrentJoint == 4 && driver.model().CurrentBay == 1);
        QCOMPARE(driver.text("Text9"), QStringLiteral("4"));
        QCOMPARE(driver.texts(JointBoxes + RecordBoxes).join(QString()), QString());

        const QStringList cycle = {
            "Text1",    "Text2",  "Text3",    "Text4",    "Text5",    "Text6",    "Command1",
            "Command6", "Text14", "Text15",   "Option1",  "Text8",    "Text10",   "Text13",
            "Text17",   "Text16", "Command9", "Command7", "Command2", "Command3", "Text1"};
        QCOMPARE(driver.focusName(), cycle.front());
        Walk(driver, Qt::Key_Tab, cycle.mid(1));
        Walk(driver, Qt::Key_Backtab, QStringList(cycle.rbegin() + 1, cycle.rend()));

        // Both "<--  &BACK" enabled and "UDL System" chosen, which disables its boxes.
        for (const char* button : {"Command6", "Command7", "Option2", "Command1"}) {
            driver.click(button);
        }
        Walk(driver, Qt::Key_Tab,
             {"Command5", "Text14", "Text15", "Option2", "Text8", "Text17", "Command9", "Command7",
              "Command8", "Command2", "Command3", "Text1"});
        driver.keys("&E"); // ends the program without calculating
        QTRY_COMPARE(driver.endRequests, 1);
        QVERIFY(driver.errors.isEmpty() && driver.opened.empty());
    }

    // A refused setup shows why and leaves the model, the setup panel and its texts.
    void refusedSetupChangesNothing_data() {
        AddRows({"name", "floors", "columns", "message"},
                {{"floors empty", "A", "", "3", "Incomplete Data"},
                 {"columns empty", "A", "2", "", "Incomplete Data"},
                 {"blanks are not empty", "A", " ", "3", "floors"},
                 {"seven floors", "A", "7", "3", "floors"},
                 {"name with a slash", "A/B", "2", "3", "project name"}});
    }

    void refusedSetupChangesNothing() {
        QFETCH(QString, name);
        QFETCH(QString, floors);
        QFETCH(QString, columns);
        QFETCH(QString, message);
        FormDriver driver;
        const QString before = InputsOf(driver.model());
        driver.setUp(name, floors, columns);
        QCOMPARE(driver.errors.size(), 1);
        QVERIFY2(driver.errors.front().contains(message), qPrintable(driver.errors.front()));
        QCOMPARE(InputsOf(driver.model()), before);
        QCOMPARE(driver.shown(), QStringLiteral("Frame2"));
        QCOMPARE(driver.texts({"Text7", "Text11", "Text12"}), QStringList({name, floors, columns}));
    }

    // "D&ONE" stores the boxes at the cursor. The arrows walk joints 4 .. 6 of floor 1
    // and 7 .. 9 of floor 2, drop unstored text and show what was stored. Passing
    // through a reloaded M1 keeps it; editing it reverses it.
    void jointArrowsShowTheStoredJoints() {
        FormDriver driver;
        driver.setUp("N", "2", "3");
        driver.typeAll(JointBoxes, {"0.5", "", "3", "2", "10", "-4"});
        driver.click("Command1");
        QCOMPARE(driver.focusName(), QStringLiteral("Command6"));
        driver.click("Command6");
        driver.type("Text1", "9");
        const QStringList stored = {"0.5", "0", "3", "2", "-10", "-4"}; // an empty box stores 0
        const std::tuple<const char*, int, int, bool, bool> steps[] = {
            {"Command6", 6, 1, true, true}, {"Command6", 7, 2, true, true},
            {"Command6", 8, 2, true, true}, {"Command6", 9, 2, true, false},
            {"Command5", 8, 2, true, true}, {"Command5", 7, 2, true, true},
            {"Command5", 6, 1, true, true}, {"Command5", 5, 1, true, true},
            {"Command5", 4, 1, false, true}};
        for (const auto& [button, joint, floor, back, next] : steps) {
            driver.click(button);
            QVERIFY2(driver.model().CurrentJoint == joint, button);
            QCOMPARE(driver.text("Text9"), QString::number(joint));
            QCOMPARE(driver.find<QLabel>("Label2")->text(),
                     QStringLiteral("FLOOR :- %1").arg(floor));
            QCOMPARE(driver.enabled("Command5"), back);
            QCOMPARE(driver.enabled("Command6"), next);
            QCOMPARE(driver.focusName(), QStringLiteral("Text1"));
            QCOMPARE(driver.texts(JointBoxes), joint == 4 ? stored : QStringList(6, QString()));
        }

        driver.click("Text4");
        driver.keys("\t\t");
        QCOMPARE(driver.text("Text5"), QStringLiteral("-10"));
        driver.type("Text3", "7");
        driver.click("Command1");
        QCOMPARE(driver.model().K[4][3].value(), 7.0);
        QCOMPARE(driver.model().M1[4].value(), -10.0);
        driver.type("Text5", "-10");
        driver.click("Command1");
        QCOMPARE(driver.model().M1[4].value(), 10.0);
    }

    // A joint box, once left, shows the number "D&ONE" will store, and is rewritten
    // before a click of any kind reads it. M1 is typed with the opposite sign. The
    // M2 box refuses "D&ONE" and there is no report folder, so each click shows a
    // message. The two "D&ONE" share an access key, which only moves the focus.
    void jointBoxIsRewrittenBeforeTheClick_data() {
        AddRows({"box", "typed", "press", "shown"},
                {{"K1 trailing zero", "Text1", "0.50", "mouse", "0.5"},
                 {"K2 beyond a double stays as typed", "Text2", "1E400", "mouse", "1E400"},
                 {"K3 sign alone", "Text3", "-", "mouse", "0"},
                 {"K4 empty", "Text4", "", "mouse", "0"},
                 {"M2 blanks and unit", "Text6", " 3 kN", "mouse", "3"},
                 {"M1 zero", "Text5", "0", "mouse", "0"},
                 {"M1 beyond a double", "Text5", "-1E400", "mouse", "-1E400"},
                 {"M1 by mouse", "Text5", "15", "mouse", "-15"},
                 {"M1 by access key of &CALCULATE", "Text5", "15", "&C", "-15"},
                 {"M1 by Space on D&ONE", "Text5", "15", "\t\t ", "-15"},
                 {"M1 by Enter on D&ONE", "Text5", "15", "\t\t\r", "-15"},
                 {"M1 by access key of D&ONE, then Space", "Text5", "15", "&O ", "-15"}});
    }

    void jointBoxIsRewrittenBeforeTheClick() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, press);
        QFETCH(QString, shown);
        FormDriver driver;
        driver.setUp("N", "2", "3");
        driver.typeAll({"Text6", box}, {"1E400", typed});
        QString shownAtClick = QStringLiteral("<no message>");
        driver.whileShowing = [&] { shownAtClick = driver.text(box); };
        if (press == "mouse") {
            driver.click("Command2");
        } else {
            driver.keys(press);
        }
        QTRY_COMPARE(shownAtClick, shown);
    }

    // "UDL System" disables the point-load boxes, yet "D&ONE" stores them; the floor
    // and bay boxes keep what was typed. The arrows show each record as stored, choosing
    // "Point Load system" for a point-load record and otherwise clearing it, but never
    // choosing "UDL System" nor disabling a box.
    void bayArrowsShowTheStoredRecords() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.typeAll(RecordBoxes, {"1", "2.5", "10", "99", "98", "6", "1"});
        driver.click("Option2");
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option2 off off off"));
        driver.click("Command9");
        QCOMPARE(ValuesOf(driver.model().BayLoads[1]), QList<double>({1, 2, 0, 10, 99, 98, 6, 1}));
        QCOMPARE(driver.text("Text15"), QStringLiteral("2.5"));
        QCOMPARE(driver.focusName(), QStringLiteral("Command7"));
        driver.click("Command7");
        QCOMPARE(driver.texts(RecordBoxes), QStringList(7, QStringLiteral("0")));
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option2 off off off"));
        driver.click("Option1");
        driver.click("Command9"); // record 2: point load
        driver.click("Command8");
        QCOMPARE(driver.texts(RecordBoxes), QStringList({"1", "2", "10", "99", "98", "6", "1"}));
        QCOMPARE(LoadSystem(driver), QStringLiteral("neither on on on"));
        QVERIFY(!driver.enabled("Command8"));
        driver.click("Option2");
        driver.click("Command7");
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option1 on on on"));
        driver.click("Command7"); // record 3 was never stored
        QCOMPARE(LoadSystem(driver), QStringLiteral("neither on on on"));
        driver.click("Command7");
        QVERIFY(driver.model().CurrentBay == 4 && !driver.enabled("Command7"));
        driver.click("Command9"); // on the last record, "D&ONE" hands the focus to the way back
        QCOMPARE(driver.focusName(), QStringLiteral("Command8"));
    }

    void oneBayFrameKeepsItsOnlyRecord() {
        FormDriver driver;
        driver.setUp("B", "1", "2");
        QVERIFY(!driver.enabled("Command7") && !driver.enabled("Command8"));
        QCOMPARE(driver.text("Text9"), QStringLiteral("3"));
        driver.typeAll(RecordBoxes, {"1", "1", "10", "", "", "6", ""});
        driver.click("Command9");
        QCOMPARE(driver.focusName(), QStringLiteral("Text14"));
        QCOMPARE(ValuesOf(driver.model().BayLoads[1]), QList<double>({1, 1, 0, 10, 0, 0, 6, 0}));
    }

    // "D&ONE" of either panel refuses a number it cannot store, names the box by its
    // label and stores nothing; the box keeps its text. Disabled boxes count too.
    void unstorableNumberIsRefusedByItsLabel_data() {
        AddRows({"box", "typed", "label"},
                {{"K2 beyond a double", "Text2", "1E400", "K2 ="},
                 {"floor above 32767", "Text14", "32767.5", "FLOOR :-"},
                 {"bay below -32768", "Text15", "-32769", "BAY :-"},
                 {"span beyond a double", "Text17", "-1E400", "L ="},
                 {"disabled X beyond a double", "Text16", "1D999", "X ="}});
    }

    void unstorableNumberIsRefusedByItsLabel() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.typeAll(JointBoxes + RecordBoxes, QStringList(13, QStringLiteral("5")));
        driver.type(box, typed);
        driver.click("Option2");
        const QString before = InputsOf(driver.model());
        driver.click(JointBoxes.contains(box) ? "Command1" : "Command9");
        QCOMPARE(driver.errors.size(), 1);
        QVERIFY2(driver.errors.front().startsWith(label + QLatin1Char(' ')),
                 qPrintable(driver.errors.front()));
        QCOMPARE(InputsOf(driver.model()), before);
        QCOMPARE(driver.text(box), typed);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
