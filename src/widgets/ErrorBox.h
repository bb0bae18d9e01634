#pragma once

#include <exception>

class QWidget;

namespace glimmora {

// Shows an error caught at the edge of a command or event handler; the
// program goes on afterwards.
void ShowErrorBox(QWidget* parent, const std::exception& error);

}  // namespace glimmora
