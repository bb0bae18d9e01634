#include "workspace/WorkingBase.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <system_error>

namespace glimmora {

namespace {

constexpr const char* kFolder = "Glimmora-Untitled";

std::unique_ptr<QLockFile> TryLock(const std::filesystem::path& folder) {
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(folder.string() + ".lock"));
    lock->setStaleLockTime(0);  // a lock stays valid as long as its process runs
    if (lock->tryLock(0)) return lock;
    return nullptr;
}

}  // namespace

WorkingBase::WorkingBase(const std::filesystem::path& tempDir) {
    const std::string own = std::string(kFolder) + "-" + std::to_string(QCoreApplication::applicationPid());
    std::filesystem::path folder = tempDir / kFolder;
    lock_ = TryLock(folder);
    for (int n = 1; !lock_ && n < 1000; ++n) {
        folder = tempDir / (n == 1 ? own : own + "-" + std::to_string(n));
        lock_ = TryLock(folder);
    }
    if (!lock_) folder = tempDir / own;  // nothing lockable: ours by the process id, unlocked
    std::error_code error;
    std::filesystem::create_directories(folder, error);  // a failure shows at the first write
    base_ = folder / "Untitled";
}

WorkingBase::~WorkingBase() = default;

}  // namespace glimmora
