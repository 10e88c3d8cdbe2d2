#pragma once

#include <sys/types.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace level::testing {

// Headless Chromium, driven over the DevTools protocol on the pipe it reads
// on its descriptor 3 and writes on 4: messages of JSON, each ended by a NUL
// byte. Input sent so reaches a page as the user's own (trusted) events.
class DevToolsPipe {
public:
    // Starts the browser (CHROMIUM, or chromium from the path) with a
    // profile of its own, which goes with it, as its whole process group.
    DevToolsPipe();
    ~DevToolsPipe();
    DevToolsPipe(const DevToolsPipe&) = delete;
    DevToolsPipe& operator=(const DevToolsPipe&) = delete;

    // A command to the browser, or to the page of a session, and its
    // result; a command that fails, or a browser that has ended or gives no
    // answer within the call's time, throws with what the browser said.
    nlohmann::json Call(std::string_view method, nlohmann::json params = nlohmann::json::object(),
                        const std::string& session = {});

private:
    void Send(const nlohmann::json& message);
    nlohmann::json Receive(std::chrono::steady_clock::time_point deadline, std::string_view method);
    [[noreturn]] void Fail(const std::string& what) const;

    pid_t browser_ = -1;
    int toBrowser_ = -1;
    int fromBrowser_ = -1;
    int nextId_ = 1;
    std::string name_;
    std::string profile_;  // its profile and its log
    std::string buffered_;
};

}  // namespace level::testing
