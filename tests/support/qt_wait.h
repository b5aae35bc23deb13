#pragma once
// Waiting for the event loop in GoogleTest. QTest's QTRY_* macros only return on a time-out and
// so never fail a GoogleTest test; these wait the same way (up to 5 s) and then check.

#include <QTest>
#include <gtest/gtest.h>

#define ZB_WAIT_VERIFY(cond) \
    EXPECT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(cond); })) << "waiting for " #cond

#define ZB_WAIT_COMPARE(actual, expected)                               \
    do {                                                                \
        (void)QTest::qWaitFor([&] { return (actual) == (expected); });  \
        EXPECT_EQ(actual, expected);                                    \
    } while (0)
