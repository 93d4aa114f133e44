#pragma once
#include <functional>

namespace sw::platform {

// Runs a call on the owner's (main) thread and waits until it has returned.
// The window hands in an implementation that posts to the Qt main thread; the
// unattended run hands in none.
class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    virtual void RunAndWait(const std::function<void()>& call) = 0;
};

}  // namespace sw::platform
