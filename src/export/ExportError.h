#pragma once
// Errors of an export: a message that names the file it is about. A cancelled
// export throws ExportCancelled; neither leaves a partial file behind.

#include <stdexcept>

namespace glimmora::exporting {

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ExportCancelled : public ExportError {
public:
    ExportCancelled() : ExportError("The export was cancelled.") {}
};

}  // namespace glimmora::exporting
