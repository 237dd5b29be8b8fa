#pragma once

#include <sys/types.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::test {

// One answer of the driver: the value lines printed before its closing "ok", or its error line.
struct DriverAnswer {
    std::vector<std::string> lines;
    bool ok = false;
    std::string error;
};

// The driver could not be talked to: it ended, stopped answering, or refused a command that had to
// work. The message names the command and what the driver said.
class DriverFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A running velmora-driver on an application folder, played one command at a time through its
// standard input and output, as a person at a terminal would. The process ends with the object.
class DriverProcess {
  public:
    // Starts the driver program on the folder; its error output goes to a file in that folder.
    DriverProcess(const std::string& driverProgram, const std::string& appFolder);
    ~DriverProcess();
    DriverProcess(const DriverProcess&) = delete;
    DriverProcess& operator=(const DriverProcess&) = delete;

    // Sends one command line and waits for its answer (at most the answer timeout).
    DriverAnswer send(const std::string& command);
    // Sends a command that must succeed and returns its value lines; a refusal is a DriverFailure.
    std::vector<std::string> run(const std::string& command);
    // A command that must answer exactly one value line.
    std::string value(const std::string& command);

    // Shorthands for "get": a property of a control ("Label1", 13 or "Label39", no index).
    std::string property(const std::string& name, int index, const std::string& what);
    std::string property(const std::string& name, const std::string& what);
    std::string caption(const std::string& name, int index) { return property(name, index, "caption"); }
    std::string caption(const std::string& name) { return property(name, "caption"); }
    bool visible(const std::string& name, int index) { return property(name, index, "visible") == "true"; }
    bool visible(const std::string& name) { return property(name, "visible") == "true"; }
    bool timerEnabled(int timer);
    void click(const std::string& name, int index);
    void click(const std::string& name);
    // Runs a SELECT and returns its rows split into fields.
    std::vector<std::vector<std::string>> query(const std::string& statement);
    // The message boxes shown since the last call.
    std::vector<std::string> messages() { return run("messages"); }

    // How many commands were sent so far.
    long commandCount() const { return m_commands; }

    // Longest wait for one answer; a game that hangs fails the test instead of the whole run.
    static constexpr int kAnswerTimeoutMs = 60000;

  private:
    std::string readLine(const std::string& command);
    std::string errorOutputTail() const;

    pid_t m_pid = -1;
    int m_toDriver = -1;
    int m_fromDriver = -1;
    std::string m_buffer; // read from the driver, not yet split into lines
    std::string m_errorFile;
    long m_commands = 0;
};

// A value as the driver prints it, split at its escaped line feeds ("\n" written as two characters).
// A trailing line feed gives no empty last line.
std::vector<std::string> valueLines(const std::string& value);

// Doubles every apostrophe, for a text placed between quotes in a statement.
std::string sqlText(const std::string& text);

} // namespace velmora::test
