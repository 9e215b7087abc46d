#include "platform/qt/termination_signals.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

TEST(TerminationSignals, EndTheEventLoopInOrder)
{
    platform::quitOnTerminationSignals(*QCoreApplication::instance());
    QObject context;  // ends the connections below with the test
    bool tornDown = false;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &context,
                     [&tornDown] { tornDown = true; });
    // Without the handler the signal would end the whole test program here.
    QTimer::singleShot(0, &context, [] { std::raise(SIGTERM); });
    QTimer::singleShot(5000, &context, [] { QCoreApplication::exit(1); });  // signal lost
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(tornDown);
}
