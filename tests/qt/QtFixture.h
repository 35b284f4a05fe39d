#pragma once

#include <QTest>
#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/qt/QtBackend.h"

// A Qt backend with its application object, fresh for every test.
class QtFixture : public ::testing::Test {
protected:
    QtFixture() { app.SetAppName("Velmora42 Manager"); }

    // Runs the Qt event loop until `done` holds or `timeoutMs` passed; false on time-out.
    template <class Condition> static bool WaitFor(Condition done, int timeoutMs = 3000) {
        return QTest::qWaitFor(done, timeoutMs);
    }

    CQtBackend backend;
    CApplication app{backend};
};
