// Long work that runs on the user-interface thread (conversion, imports, reload) shows the wait cursor
// while it runs, and only then; what the caller shows afterwards, a message box say, has the usual one.
#pragma once

#include <QApplication>

namespace tallyhawk {

template <typename Work>
auto UnderWaitCursor(Work work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto result = work();
    QApplication::restoreOverrideCursor();
    return result;
}

}  // namespace tallyhawk
