#pragma once
// Shows the busy cursor while long work (loading, saving, building) runs on
// the GUI thread, so the user sees that the program is working.

#include <QApplication>

namespace glimmora {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace glimmora
