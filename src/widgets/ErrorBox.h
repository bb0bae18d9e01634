#pragma once

#include <exception>
#include <string>

class QWidget;

namespace glimmora {

// The words for the user about an error: its text, or for the errors whose
// text is only a type name (out of memory), what happened.
std::string ErrorText(const std::exception& error);

// Shows an error caught at the edge of a command or event handler; the
// program goes on afterwards.
void ShowErrorBox(QWidget* parent, const std::exception& error);

}  // namespace glimmora
