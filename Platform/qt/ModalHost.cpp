#include "Platform/qt/ModalHost.h"

#include <QDialog>

namespace platform {

namespace {
ModalHost::Hook& hook() {
    static ModalHost::Hook h;
    return h;
}
} // namespace

int ModalHost::exec(QDialog& dialog) {
    if (hook()) return hook()(dialog);
    return dialog.exec();
}

void ModalHost::setHook(Hook h) {
    hook() = std::move(h);
}

} // namespace platform
