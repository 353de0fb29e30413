#include "FormDriver.h"

#include <QTest>
class SessionTest : public QObject {
    Q_OBJECT
};
QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
