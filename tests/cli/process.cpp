#include "cli/process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>

extern char** environ;

namespace quorvane::test_support {
namespace {

struct Pipe {
  int read_end = -1;
  int write_end = -1;
  Pipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    read_end = ends[0];
    write_end = ends[1];
  }
};

std::vector<std::string> Environment(
    const std::vector<std::pair<std::string, std::string>>& changes) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    bool replaced = false;
    for (const auto& [name, value] : changes) replaced |= text.starts_with(name + "=");
    if (!replaced) result.push_back(text);
  }
  for (const auto& [name, value] : changes) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Feeds the input and drains both outputs without blocking on either.
void Exchange(int input, const std::string& text, int out, int err, ProcessResult& result) {
  std::size_t written = 0;
  if (text.empty()) {
    ::close(input);
    input = -1;
  }
  while (out >= 0 || err >= 0 || input >= 0) {
    pollfd fds[3] = {{out, POLLIN, 0}, {err, POLLIN, 0}, {input, POLLOUT, 0}};
    if (::poll(fds, 3, 30000) <= 0) throw std::runtime_error("the program hangs");
    char buffer[65536];
    for (int i = 0; i < 2; ++i) {
      int& fd = i == 0 ? out : err;
      if (fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP)) != 0) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
          (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(count));
        } else {
          ::close(fd);
          fd = -1;
        }
      }
    }
    if (input >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
      const ssize_t count = ::write(input, text.data() + written, text.size() - written);
      if (count > 0) written += static_cast<std::size_t>(count);
      if (count <= 0 || written == text.size()) {
        ::close(input);
        input = -1;
      }
    }
  }
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input,
                         const std::vector<std::pair<std::string, std::string>>& environment,
                         const std::string& working_folder) {
  std::signal(SIGPIPE, SIG_IGN);  // a program may exit before it reads all its input
  Pipe in;
  Pipe out;
  Pipe err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in.read_end, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out.write_end, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write_end, STDERR_FILENO);
  if (!working_folder.empty()) {
    posix_spawn_file_actions_addchdir_np(&actions, working_folder.c_str());
  }

  std::vector<std::string> argv_texts = {program};
  argv_texts.insert(argv_texts.end(), arguments.begin(), arguments.end());
  std::vector<std::string> env_texts = Environment(environment);
  std::vector<char*> argv = Pointers(argv_texts);
  std::vector<char*> envp = Pointers(env_texts);
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  ::close(in.read_end);
  ::close(out.write_end);
  ::close(err.write_end);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);

  ProcessResult result;
  Exchange(in.write_end, input, out.read_end, err.read_end, result);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace quorvane::test_support
