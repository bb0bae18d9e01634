#pragma once
// The folder the file dialogs of picture and sound choices open in next:
// the chosen file's folder, with native separators and a trailing one.

#include <QString>

#include <string>

namespace glimmora {

std::string ChosenFileFolder(const QString& file);

}  // namespace glimmora
