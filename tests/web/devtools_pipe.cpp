#include "web/devtools_pipe.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace level::testing {
namespace {

// How long a command may take before the browser counts as gone.
constexpr int kAnswerMilliseconds = 30000;

[[noreturn]] void Fail(const std::string& what)
{
    throw std::runtime_error("headless Chromium: " + what);
}

}  // namespace

DevToolsPipe::DevToolsPipe()
{
    char profile[] = "/tmp/level-web-test-XXXXXX";
    if (mkdtemp(profile) == nullptr) {
        Fail("no folder for a profile");
    }
    profile_ = profile;
    std::array<int, 2> in{};   // the browser reads
    std::array<int, 2> out{};  // the browser writes
    if (pipe(in.data()) != 0 || pipe(out.data()) != 0) {
        Fail("no pipe");
    }
    const std::string userData = "--user-data-dir=" + profile_;
    // The flags keep a headless browser to itself on a closed network:
    // no sign-in, updates, field trials or first-run pages.
    std::vector<const char*> arguments = {"chromium",
                                          "--headless",
                                          "--no-sandbox",
                                          "--disable-gpu",
                                          "--no-first-run",
                                          "--disable-background-networking",
                                          "--disable-component-update",
                                          "--disable-sync",
                                          "--disable-default-apps",
                                          "--disable-extensions",
                                          "--hide-scrollbars",
                                          "--force-device-scale-factor=1",
                                          "--window-size=640,480",
                                          "--remote-debugging-pipe",
                                          userData.c_str(),
                                          "about:blank",
                                          nullptr};
    browser_ = fork();
    if (browser_ < 0) {
        Fail("cannot start");
    }
    if (browser_ == 0) {
        dup2(in[0], 3);
        dup2(out[1], 4);
        for (int descriptor : {in[0], in[1], out[0], out[1]}) {
            if (descriptor > 4) {
                close(descriptor);
            }
        }
        // Its own log lines stay out of the test's output.
        freopen("/dev/null", "w", stderr);
        execvp("chromium", const_cast<char* const*>(arguments.data()));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toBrowser_ = in[1];
    fromBrowser_ = out[0];
}

DevToolsPipe::~DevToolsPipe()
{
    if (browser_ > 0) {
        try {
            Call("Browser.close");
        } catch (const std::exception&) {
            kill(browser_, SIGKILL);
        }
        waitpid(browser_, nullptr, 0);
    }
    close(toBrowser_);
    close(fromBrowser_);
    std::error_code ignored;
    std::filesystem::remove_all(profile_, ignored);
}

nlohmann::json DevToolsPipe::Call(std::string_view method, nlohmann::json params,
                                  const std::string& session)
{
    const int id = nextId_++;
    nlohmann::json message = {{"id", id}, {"method", method}, {"params", std::move(params)}};
    if (!session.empty()) {
        message["sessionId"] = session;
    }
    Send(message);
    for (;;) {
        nlohmann::json answer = Receive();
        if (answer.value("id", 0) != id) {
            continue;  // an event, which the driver asks for when it needs it
        }
        if (answer.contains("error")) {
            Fail(std::string(method) + ": " + answer["error"].dump());
        }
        return answer["result"];
    }
}

void DevToolsPipe::Send(const nlohmann::json& message)
{
    const std::string text = message.dump() + '\0';
    for (std::size_t sent = 0; sent < text.size();) {
        const ssize_t written = write(toBrowser_, text.data() + sent, text.size() - sent);
        if (written <= 0) {
            Fail("the pipe to the browser closed");
        }
        sent += static_cast<std::size_t>(written);
    }
}

nlohmann::json DevToolsPipe::Receive()
{
    for (;;) {
        if (const std::size_t end = buffered_.find('\0'); end != std::string::npos) {
            nlohmann::json message = nlohmann::json::parse(buffered_.substr(0, end));
            buffered_.erase(0, end + 1);
            return message;
        }
        pollfd ready{fromBrowser_, POLLIN, 0};
        if (poll(&ready, 1, kAnswerMilliseconds) != 1) {
            Fail("no answer in " + std::to_string(kAnswerMilliseconds / 1000) + " s");
        }
        std::array<char, 65536> chunk{};
        const ssize_t got = read(fromBrowser_, chunk.data(), chunk.size());
        if (got <= 0) {
            Fail("the browser closed its pipe (is chromium installed?)");
        }
        buffered_.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace level::testing
