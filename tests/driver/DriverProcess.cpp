#include "DriverProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace velmora::test {

namespace {

void closeIfOpen(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

} // namespace

DriverProcess::DriverProcess(const std::string& driverProgram, const std::string& appFolder)
    : m_errorFile(appFolder + "/driver-errors.txt") {
    // A driver that dies while a command is being written must fail the test, not kill it.
    ::signal(SIGPIPE, SIG_IGN);
    int input[2];
    int output[2];
    if (::pipe(input) != 0) throw DriverFailure("cannot make a pipe");
    if (::pipe(output) != 0) {
        ::close(input[0]);
        ::close(input[1]);
        throw DriverFailure("cannot make a pipe");
    }
    m_pid = ::fork();
    if (m_pid < 0) throw DriverFailure("cannot start the driver");
    if (m_pid == 0) {
        ::dup2(input[0], STDIN_FILENO);
        ::dup2(output[1], STDOUT_FILENO);
        const int errors = ::open(m_errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (errors >= 0) ::dup2(errors, STDERR_FILENO);
        for (int fd : {input[0], input[1], output[0], output[1], errors})
            if (fd > STDERR_FILENO) ::close(fd);
        ::execl(driverProgram.c_str(), driverProgram.c_str(), appFolder.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(input[0]);
    ::close(output[1]);
    m_toDriver = input[1];
    m_fromDriver = output[0];
    ::fcntl(m_toDriver, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_fromDriver, F_SETFD, FD_CLOEXEC);
}

DriverProcess::~DriverProcess() {
    // The end of its input ends the driver; one that does not go within a few seconds is stopped.
    closeIfOpen(m_toDriver);
    closeIfOpen(m_fromDriver);
    if (m_pid <= 0) return;
    for (int waited = 0; waited < 100; ++waited) {
        if (::waitpid(m_pid, nullptr, WNOHANG) != 0) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, nullptr, 0);
}

std::string DriverProcess::errorOutputTail() const {
    std::ifstream in(m_errorFile);
    std::stringstream text;
    text << in.rdbuf();
    std::string all = text.str();
    if (all.size() > 2000) all = all.substr(all.size() - 2000);
    return all.empty() ? std::string() : "\ndriver error output:\n" + all;
}

std::string DriverProcess::readLine(const std::string& command) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kAnswerTimeoutMs);
    for (;;) {
        const size_t end = m_buffer.find('\n');
        if (end != std::string::npos) {
            std::string line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return line;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                .count();
        if (left <= 0)
            throw DriverFailure("no answer to \"" + command + "\" within " +
                                std::to_string(kAnswerTimeoutMs / 1000) + " s" + errorOutputTail());
        pollfd ready{m_fromDriver, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) continue; // the deadline check above reports it
        char chunk[65536];
        const ssize_t got = ::read(m_fromDriver, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0)
            throw DriverFailure("the driver ended while answering \"" + command + "\"" + errorOutputTail());
        m_buffer.append(chunk, static_cast<size_t>(got));
    }
}

DriverAnswer DriverProcess::send(const std::string& command) {
    if (m_toDriver < 0) throw DriverFailure("the driver is not running");
    ++m_commands;
    const std::string line = command + "\n";
    size_t written = 0;
    while (written < line.size()) {
        const ssize_t n = ::write(m_toDriver, line.data() + written, line.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            throw DriverFailure("cannot send \"" + command + "\": the driver has ended" + errorOutputTail());
        written += static_cast<size_t>(n);
    }
    DriverAnswer answer;
    for (;;) {
        std::string reply = readLine(command);
        if (reply == "ok") {
            answer.ok = true;
            return answer;
        }
        if (reply.rfind("error:", 0) == 0) {
            answer.error = reply;
            return answer;
        }
        answer.lines.push_back(std::move(reply));
    }
}

std::vector<std::string> DriverProcess::run(const std::string& command) {
    DriverAnswer answer = send(command);
    if (!answer.ok) throw DriverFailure("\"" + command + "\" was refused: " + answer.error);
    return std::move(answer.lines);
}

std::string DriverProcess::value(const std::string& command) {
    const auto lines = run(command);
    if (lines.size() != 1)
        throw DriverFailure("\"" + command + "\" answered " + std::to_string(lines.size()) +
                            " lines, not one");
    return lines.front();
}

std::string DriverProcess::property(const std::string& name, int index, const std::string& what) {
    return value("get " + name + " " + std::to_string(index) + " " + what);
}

std::string DriverProcess::property(const std::string& name, const std::string& what) {
    return value("get " + name + " " + what);
}

bool DriverProcess::timerEnabled(int timer) {
    return value("get Timer" + std::to_string(timer) + " enabled") == "true";
}

void DriverProcess::click(const std::string& name, int index) {
    run("click " + name + " " + std::to_string(index));
}

void DriverProcess::click(const std::string& name) {
    run("click " + name);
}

std::vector<std::vector<std::string>> DriverProcess::query(const std::string& statement) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : run("sql " + statement)) {
        std::vector<std::string> fields;
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

std::vector<std::string> valueLines(const std::string& value) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t brk = value.find("\\n", start);
        if (brk == std::string::npos) {
            if (start < value.size()) lines.push_back(value.substr(start));
            return lines;
        }
        lines.push_back(value.substr(start, brk - start));
        start = brk + 2;
    }
}

std::string sqlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

} // namespace velmora::test
