#include "workspace/WorkingBase.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace glimmora {

namespace {

std::unique_ptr<QLockFile> TryLock(const std::filesystem::path& base) {
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(base.string() + ".lock"));
    lock->setStaleLockTime(0);  // a lock stays valid as long as its process runs
    if (lock->tryLock(0)) return lock;
    return nullptr;
}

}  // namespace

WorkingBase::WorkingBase(const std::filesystem::path& tempDir) {
    base_ = tempDir / "Untitled";
    lock_ = TryLock(base_);
    if (lock_) return;
    const std::string own = "Untitled-" + std::to_string(QCoreApplication::applicationPid());
    for (int n = 1; n < 1000; ++n) {
        base_ = tempDir / (n == 1 ? own : own + "-" + std::to_string(n));
        lock_ = TryLock(base_);
        if (lock_) return;
    }
    base_ = tempDir / own;  // nothing lockable: ours by the process id, unlocked
}

WorkingBase::~WorkingBase() = default;

}  // namespace glimmora
