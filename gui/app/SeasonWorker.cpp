#include "gui/app/SeasonWorker.h"

#include <QPointer>

namespace gridtally::gui {

SeasonWorker::SeasonWorker() : context_(new QObject) {
    thread_.setObjectName(QStringLiteral("season worker"));
    context_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
    thread_.start();
}

SeasonWorker::~SeasonWorker() {
    thread_.quit();
    thread_.wait();
}

void SeasonWorker::Run(Job job) {
    ++pending_;
    QPointer<QObject> receiver(&receiver_);
    QMetaObject::invokeMethod(
        context_,
        [this, receiver, job = std::move(job)] {
            std::function<void()> done = job();
            // The receiver lives until the thread has stopped, so it is there to post to.
            QMetaObject::invokeMethod(
                receiver,
                [this, done = std::move(done)] {
                    --pending_;
                    if (done) done();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

}  // namespace gridtally::gui
