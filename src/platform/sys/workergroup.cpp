#include "platform/sys/workergroup.h"

#include <pthread.h>

#include <utility>

namespace sys {

WorkerGroup::~WorkerGroup() {
    RequestStop();
    Join();
}

void WorkerGroup::Start(const std::string& name, Body body) {
    threads_.emplace_back([token = stop_.get_token(), body = std::move(body)] { body(token); });
    pthread_setname_np(threads_.back().native_handle(), name.substr(0, 15).c_str());
}

void WorkerGroup::RequestStop() {
    stop_.request_stop();
}

void WorkerGroup::Join() {
    for (std::thread& t : threads_) {
        if (t.joinable()) t.join();
    }
    threads_.clear();
}

}  // namespace sys
