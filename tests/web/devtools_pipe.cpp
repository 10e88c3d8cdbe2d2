#include "web/devtools_pipe.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace level::testing {
namespace {

// How long a command may take, its answer included, before the browser
// counts as gone.
constexpr auto kAnswerTime = std::chrono::seconds(30);
// How long a closed browser may take to end before it is killed.
constexpr auto kEndTime = std::chrono::seconds(5);

// The browser to run: CHROMIUM where set, else chromium from the path.
std::string BrowserName()
{
    const char* named = std::getenv("CHROMIUM");
    return named != nullptr && *named != '\0' ? named : "chromium";
}

}  // namespace

[[noreturn]] void DevToolsPipe::Fail(const std::string& what) const
{
    std::string said;
    if (std::ifstream log(profile_ + "/stderr.log"); log) {
        said.assign(std::istreambuf_iterator<char>(log), {});
    }
    throw std::runtime_error(name_ + ": " + what +
                             (said.empty() ? std::string() : "; it said:\n" + said));
}

DevToolsPipe::DevToolsPipe() : name_(BrowserName())
{
    // A browser that dies leaves a closed pipe: a write to it fails with
    // EPIPE instead of ending the tests with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    char profile[] = "/tmp/level-web-test-XXXXXX";
    if (mkdtemp(profile) == nullptr) {
        throw std::runtime_error(name_ + ": no folder for a profile");
    }
    profile_ = profile;
    std::array<int, 2> in{};   // the browser reads
    std::array<int, 2> out{};  // the browser writes
    if (pipe2(in.data(), O_CLOEXEC) != 0 || pipe2(out.data(), O_CLOEXEC) != 0) {
        Fail("no pipe");
    }
    const std::string userData = "--user-data-dir=" + profile_ + "/profile";
    const std::string log = profile_ + "/stderr.log";
    // The flags keep a headless browser to itself on a closed network:
    // no sign-in, updates, field trials or first-run pages.
    std::vector<const char*> arguments = {name_.c_str(),
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
        // A process group of its own, so that its helpers end with it; its
        // log lines kept beside its profile, shown if it fails.
        setpgid(0, 0);
        // Copied above both first: either end may itself be descriptor 3 or
        // 4, and dup2 onto another descriptor clears close-on-exec.
        const int reads = fcntl(in[0], F_DUPFD, 10);
        const int writes = fcntl(out[1], F_DUPFD, 10);
        dup2(reads, 3);
        dup2(writes, 4);
        if (std::FILE* said = std::freopen(log.c_str(), "w", stderr); said == nullptr) {
            _exit(126);
        }
        execvp(name_.c_str(), const_cast<char* const*>(arguments.data()));
        dprintf(STDERR_FILENO, "cannot run %s: %s\n", name_.c_str(), std::strerror(errno));
        _exit(127);
    }
    setpgid(browser_, browser_);
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
            // ended below
        }
        const auto deadline = std::chrono::steady_clock::now() + kEndTime;
        while (waitpid(browser_, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(-browser_, SIGKILL);
                waitpid(browser_, nullptr, 0);
                break;
            }
            usleep(10000);
        }
        kill(-browser_, SIGKILL);  // any helper it left
    }
    close(toBrowser_);
    close(fromBrowser_);
    std::error_code ignored;
    std::filesystem::remove_all(profile_, ignored);
}

nlohmann::json DevToolsPipe::Call(std::string_view method, nlohmann::json params,
                                  const std::string& session)
{
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
    const int id = nextId_++;
    nlohmann::json message = {{"id", id}, {"method", method}, {"params", std::move(params)}};
    if (!session.empty()) {
        message["sessionId"] = session;
    }
    Send(message);
    for (;;) {
        nlohmann::json answer = Receive(deadline, method);
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
    if (waitpid(browser_, nullptr, WNOHANG) != 0) {
        browser_ = -1;
        Fail("did not start or has ended (is it installed?)");
    }
    const std::string text = message.dump() + '\0';
    for (std::size_t sent = 0; sent < text.size();) {
        const ssize_t written = write(toBrowser_, text.data() + sent, text.size() - sent);
        if (written <= 0) {
            Fail("the pipe to it closed (is it installed?)");
        }
        sent += static_cast<std::size_t>(written);
    }
}

nlohmann::json DevToolsPipe::Receive(std::chrono::steady_clock::time_point deadline,
                                     std::string_view method)
{
    for (;;) {
        if (const std::size_t end = buffered_.find('\0'); end != std::string::npos) {
            nlohmann::json message = nlohmann::json::parse(buffered_.substr(0, end));
            buffered_.erase(0, end + 1);
            return message;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fromBrowser_, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) != 1) {
            Fail("no answer to " + std::string(method) + " in " +
                 std::to_string(kAnswerTime.count()) + " s");
        }
        std::array<char, 65536> chunk{};
        const ssize_t got = read(fromBrowser_, chunk.data(), chunk.size());
        if (got <= 0) {
            Fail("it closed its pipe (is it installed?)");
        }
        buffered_.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace level::testing
