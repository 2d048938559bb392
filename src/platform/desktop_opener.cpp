#include "platform/desktop_opener.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <thread>

extern char** environ;

namespace dudedur::platform {

void OpenWithDesktop(const std::string& target) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = "xdg-open";
    std::string argument = target;  // one argument, never seen by a shell
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t opener = 0;
    const int spawned = posix_spawnp(&opener, "xdg-open", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return;
    // xdg-open hands the file to the viewer and exits; reap it without making anyone wait.
    std::thread([opener] { waitpid(opener, nullptr, 0); }).detach();
}

}  // namespace dudedur::platform
