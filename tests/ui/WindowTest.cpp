#include "FormDriver.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

namespace {

/// Declares text columns and adds one row per list, named by its first entry.
void AddRows(std::initializer_list<const char*> columns, std::initializer_list<QStringList> rows) {
    for (const char* column : columns) {
        QTest::addColumn<QString>(column);
    }
    for (const QStringList& row : rows) {
        QTestData& data = QTest::newRow(qPrintable(row.front()));
        for (const QString& cell : row.mid(1)) {
            data << cell;
        }
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

/// Every control shown lies inside its panel and every panel inside the window;
/// no two boxes or buttons shown overlap, so each can be seen and clicked.
void CheckLayout(const FormDriver& driver) {
    QWidget* window = driver.find("Frame1")->window();
    QList<QWidget*> clickable;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisible()) {
            continue;
        }
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                 qPrintable(control->objectName()));
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPushButton*>(control)) {
            for (QWidget* other : clickable) {
                QVERIFY2(!QRect(control->mapTo(window, QPoint()), control->size())
                              .intersects(QRect(other->mapTo(window, QPoint()), other->size())),
                         qPrintable(control->objectName() + " over " + other->objectName()));
            }
            clickable.append(control);
        }
    }
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // The setup panel alone, then the joint and bay-load panels with the window buttons.
    void layoutKeepsControlsApart() {
        FormDriver driver;
        CheckLayout(driver);
        driver.setUp("L", "2", "3");
        CheckLayout(driver);
    }

    // The arrows walk joints 4 .. 6 of floor 1 and 7 .. 9 of floor 2, drop unstored
    // text and show what was stored. Tabbing through a reloaded M1 keeps it; typing it
    // again reverses it once more.
    void jointArrowsShowTheStoredJoints() {
        FormDriver driver;
        driver.setUp("N", "2", "3");
        driver.typeAll(JointBoxes, {"0.5", "", "3", "2", "10", "-4"});
        driver.click("Command1");
        driver.click("Command6");
        driver.typeAll({"Text1"}, {"9"});
        const QStringList stored = {"0.5", "0", "3", "2", "-10", "-4"};
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
            QCOMPARE(driver.find<QLabel>("Label2")->text(), QString("FLOOR :- %1").arg(floor));
            QVERIFY(driver.enabled("Command5") == back && driver.enabled("Command6") == next);
            QCOMPARE(driver.texts(JointBoxes), joint == 4 ? stored : QStringList(6, QString()));
        }
        driver.click("Text4");
        driver.keys("\t\t");
        driver.typeAll({"Text3"}, {"7"});
        driver.click("Command1");
        QCOMPARE(driver.model().K[4][3].value(), 7.0);
        QCOMPARE(driver.model().M1[4].value(), -10.0);
        driver.typeAll({"Text5"}, {"-10"});
        driver.click("Command1");
        QCOMPARE(driver.model().M1[4].value(), 10.0);
    }

    // A joint box is rewritten before a press of any kind reads it; M1 is reversed.
    // The M2 box refuses "D&ONE" and there is no report folder, so each press shows a message.
    void jointBoxIsRewrittenBeforeThePress_data() {
        AddRows({"box", "typed", "press", "shown"},
                {{"K1 trailing zero, mouse on &CALCULATE", "Text1", "0.50", "mouse", "0.5"},
                 {"M1, access key of &CALCULATE", "Text5", "15", "&C", "-15"},
                 {"M1, Enter on D&ONE", "Text5", "15", "\t\t\r", "-15"}});
    }

    void jointBoxIsRewrittenBeforeThePress() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, press);
        QFETCH(QString, shown);
        FormDriver driver;
        driver.setUp("N", "2", "3");
        driver.typeAll({"Text6", box}, {"1E400", typed});
        QString shownAtPress = QStringLiteral("<no message>");
        driver.whileShowing = [&] { shownAtPress = driver.text(box); };
        press == "mouse" ? driver.click("Command2") : driver.keys(press);
        QTRY_COMPARE(shownAtPress, shown);
    }

    // "UDL System" disables the point-load boxes, yet "D&ONE" stores them. The arrows
    // choose "Point Load system" for a point-load record and otherwise clear the choice,
    // never choosing "UDL System" nor disabling a box.
    void bayArrowsShowTheStoredRecords() {
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.typeAll(RecordBoxes, {"1", "2.5", "10", "99", "98", "6", "1"});
        driver.click("Option2");
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option2 off off off"));
        driver.click("Command9");
        QCOMPARE(ValuesOf(driver.model().BayLoads[1]), QList<double>({1, 2, 0, 10, 99, 98, 6, 1}));
        QCOMPARE(driver.text("Text15"), QStringLiteral("2.5"));
        driver.click("Command7");
        QCOMPARE(driver.texts(RecordBoxes), QStringList(7, QStringLiteral("0")));
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option2 off off off"));
        driver.click("Option1");
        driver.click("Command9"); // record 2: point load
        driver.click("Command8");
        QCOMPARE(driver.texts(RecordBoxes), QStringList({"1", "2", "10", "99", "98", "6", "1"}));
        QCOMPARE(LoadSystem(driver), QStringLiteral("neither on on on"));
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
        driver.typeAll(RecordBoxes, {"1", "1", "10", "", "", "6", ""});
        driver.click("Command9");
        QCOMPARE(driver.focusName(), QStringLiteral("Text14"));
        QCOMPARE(ValuesOf(driver.model().BayLoads[1]), QList<double>({1, 1, 0, 10, 0, 0, 6, 0}));
    }

    // "D&ONE" refuses a number it cannot store, names the box by its label and stores
    // nothing; the box keeps its text.
    void unstorableNumberIsRefusedByItsLabel_data() {
        AddRows({"box", "typed", "label"},
                {{"K2 beyond a double", "Text2", "1E400", "K2 ="},
                 {"floor above 32767", "Text14", "32767.5", "FLOOR :-"}});
    }

    void unstorableNumberIsRefusedByItsLabel() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, label);
        FormDriver driver;
        driver.setUp("B", "2", "3");
        driver.typeAll(JointBoxes + RecordBoxes, QStringList(13, QStringLiteral("5")));
        driver.typeAll({box}, {typed});
        driver.click(JointBoxes.contains(box) ? "Command1" : "Command9");
        QCOMPARE(driver.errors.size(), 1);
        QVERIFY2(driver.errors.front().startsWith(label + ' '), qPrintable(driver.errors.front()));
        QVERIFY(driver.model().K[4][1].isEmpty() && driver.model().BayLoads[1].SpanL == 0);
        QCOMPARE(driver.text(box), typed);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
