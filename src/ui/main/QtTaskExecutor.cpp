#include "ui/main/QtTaskExecutor.h"

#include <QMetaObject>

namespace kalvio {

TQtTaskExecutor::TQtTaskExecutor() {
    // Evaluations are short; two workers keep typing responsive without crowding the machine.
    FPool.setMaxThreadCount(2);
}

TQtTaskExecutor::~TQtTaskExecutor() {
    FPool.waitForDone();
}

void TQtTaskExecutor::RunInBackground(std::function<void()> work) {
    FPool.start(std::move(work));
}

void TQtTaskExecutor::PostToOwner(std::function<void()> delivery) {
    QMetaObject::invokeMethod(&FOwnerThreadTarget, std::move(delivery), Qt::QueuedConnection);
}

void TQtTaskExecutor::WaitForWorkers() {
    FPool.waitForDone();
}

} // namespace kalvio
