#pragma once
#include <cstddef>
#include <functional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace sys {

// The worker threads of one run of a subsystem, sharing one stop flag. Each body receives the group's token:
// it loops until the token says stop, and every blocking wait it makes takes the token too (Event, SleepFor),
// so RequestStop wakes them all at once. A group runs once; to start again, make a new one.
//
// Start and Join belong to the owning thread; RequestStop, Token and StopRequested may be called from any
// thread, workers included.
class WorkerGroup {
  public:
    using Body = std::function<void(std::stop_token)>;

    WorkerGroup() = default;
    // Stops and joins whatever still runs.
    ~WorkerGroup();
    WorkerGroup(const WorkerGroup&) = delete;
    WorkerGroup& operator=(const WorkerGroup&) = delete;

    // Starts one thread running body. The name (up to 15 characters are kept) shows in debuggers and top.
    void Start(const std::string& name, Body body);
    // Raises the stop flag; waits on the token return kStopped.
    void RequestStop();
    // Waits for every started thread to end. Never call it from one of the group's threads.
    void Join();

    std::stop_token Token() const { return stop_.get_token(); }
    bool StopRequested() const { return stop_.stop_requested(); }
    std::size_t Size() const { return threads_.size(); }

  private:
    std::stop_source stop_;
    std::vector<std::thread> threads_;
};

}  // namespace sys
