#include "sheet/ui/ui_thread_bridge.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

TEST(UiThreadBridge, TasksFromOtherThreadsRunQueuedOnTheUiThread)
{
    QObject context;
    const auto post = sheet::ui::queuedOnUiThread(&context);
    QThread* ranOn = nullptr;
    int runs = 0;
    std::thread listener([&] {
        post([&] {
            ranOn = QThread::currentThread();
            ++runs;
        });
    });
    listener.join();
    EXPECT_EQ(runs, 0) << "nothing runs before the UI thread takes its events";
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(ranOn, QCoreApplication::instance()->thread());
}

TEST(UiThreadBridge, TasksForAGoneContextAreDropped)
{
    auto context = std::make_unique<QObject>();
    const auto post = sheet::ui::queuedOnUiThread(context.get());
    int runs = 0;
    post([&] { ++runs; });
    context.reset();
    post([&] { ++runs; });
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0);
}
