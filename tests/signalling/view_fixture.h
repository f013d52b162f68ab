#pragma once

#include "tests/support/test_document.h"
#include <QSize>
#include <QtTest>

#include <memory>

// A fresh view of type View, shown active at the given size and initialised
// as its frame would.
template <typename View> void ShowFreshView(std::unique_ptr<View>& view, QSize size)
{
    view = std::make_unique<View>(TestDocument());
    view->resize(size);
    view->show();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    view->ensureInitialised();
}
