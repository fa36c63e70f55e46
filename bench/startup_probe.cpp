// Times the start-up (start to the first window painted) and the exit (end
// button to the end of the process) of the window program beside a bare Qt
// program, pair by pair, offscreen and on an X server, and prints one JSON
// object per line for bench/check.
//
//   startup_probe SCANFEE BARE_QT PAIRS [offscreen|xvfb]...
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

long long now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Times {
    double startup_ms = -1;
    double exit_ms = -1;
};

Times run_once(const std::string& program, const std::vector<std::string>& args,
               const std::map<std::string, std::string>& env) {
    char pattern[] = "/tmp/scanfee-probe-XXXXXX";
    int fd = ::mkstemp(pattern);
    if (fd < 0) return {};
    ::close(fd);
    std::vector<std::string> env_text;
    for (char** e = environ; *e; ++e) {
        std::string entry = *e;
        std::string key = entry.substr(0, entry.find('='));
        if (!env.count(key) && key != "SCANFEE_TIMING_FILE") env_text.push_back(entry);
    }
    for (const auto& [key, value] : env) env_text.push_back(key + "=" + value);
    env_text.push_back(std::string("SCANFEE_TIMING_FILE=") + pattern);
    std::vector<char*> envp, argv;
    for (auto& e : env_text) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> all_args{program};
    all_args.insert(all_args.end(), args.begin(), args.end());
    for (auto& a : all_args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The programs' own chatter would only clutter the figures.
    posix_spawn_file_actions_t quiet;
    ::posix_spawn_file_actions_init(&quiet);
    ::posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const long long start = now_ns();
    pid_t pid = 0;
    int spawned = ::posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return {};
    int status = 0;
    ::waitpid(pid, &status, 0);
    const long long ended = now_ns();

    std::map<std::string, long long> noted;
    std::ifstream in(pattern);
    std::string what;
    long long at = 0;
    while (in >> what >> at) noted[what] = at;
    ::unlink(pattern);
    Times t;
    if (noted.count("shown")) t.startup_ms = double(noted["shown"] - start) / 1e6;
    if (noted.count("end")) t.exit_ms = double(ended - noted["end"]) / 1e6;
    return t;
}

// An X server of its own for the run, on a display nobody uses.
struct Xvfb {
    pid_t pid = 0;
    std::string display;
    bool start() {
        for (int n = 90; n < 110; ++n) {
            std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
            struct stat info {};
            if (::stat(socket.c_str(), &info) == 0) continue;
            // Built by filling and appending: GCC 12 at -O3 gives a false
            // -Wrestrict on ":" + text and on assigning ":".
            display.assign(1, ':');
            display += std::to_string(n);
            std::string arg_display = display;
            char prog[] = "Xvfb";
            char screen[] = "-screen";
            char zero[] = "0";
            char size[] = "1280x1024x24";
            char nolisten[] = "-nolisten";
            char tcp[] = "tcp";
            char* argv[] = {prog, arg_display.data(), screen, zero, size, nolisten, tcp, nullptr};
            posix_spawn_file_actions_t quiet;
            ::posix_spawn_file_actions_init(&quiet);
            ::posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
            int spawned = ::posix_spawnp(&pid, "Xvfb", &quiet, nullptr, argv, environ);
            ::posix_spawn_file_actions_destroy(&quiet);
            if (spawned != 0) return false;
            for (int i = 0; i < 100; ++i) {
                if (::stat(socket.c_str(), &info) == 0) return true;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            return false;
        }
        return false;
    }
    ~Xvfb() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe SCANFEE BARE_QT PAIRS [offscreen|xvfb]...\n");
        return 2;
    }
    const std::string scanfee = argv[1], bare = argv[2];
    const int pairs = std::atoi(argv[3]);
    std::vector<std::string> modes;
    for (int i = 4; i < argc; ++i) modes.push_back(argv[i]);
    if (modes.empty()) modes = {"offscreen", "xvfb"};
    const std::vector<std::string> scanfee_args{"--edition", "customer", "--today", "2016/04/29"};

    int failures = 0;
    for (const std::string& mode : modes) {
        Xvfb server;
        std::map<std::string, std::string> env;
        if (mode == "xvfb") {
            if (!server.start()) {
                std::printf("{\"mode\":\"xvfb\",\"error\":\"no X server\"}\n");
                ++failures;
                continue;
            }
            env["QT_QPA_PLATFORM"] = "xcb";
            env["DISPLAY"] = server.display;
        } else {
            env["QT_QPA_PLATFORM"] = "offscreen";
        }
        // One unmeasured run of each warms the caches of the file system.
        run_once(scanfee, scanfee_args, env);
        run_once(bare, {}, env);
        std::vector<double> ratios, scanfee_start, bare_start, exits;
        for (int i = 0; i < pairs; ++i) {
            Times a = run_once(scanfee, scanfee_args, env);
            Times b = run_once(bare, {}, env);
            if (a.startup_ms < 0 || b.startup_ms < 0) {
                ++failures;
                continue;
            }
            ratios.push_back(a.startup_ms / b.startup_ms);
            scanfee_start.push_back(a.startup_ms);
            bare_start.push_back(b.startup_ms);
            exits.push_back(a.exit_ms);
        }
        std::printf(
            "{\"mode\":\"%s\",\"pairs\":%zu,\"scanfee_startup_ms\":%.1f,\"bare_startup_ms\":%.1f,"
            "\"startup_ratio\":%.3f,\"exit_ms\":%.1f,\"exit_ms_max\":%.1f}\n",
            mode.c_str(), ratios.size(), median(scanfee_start), median(bare_start), median(ratios),
            median(exits), exits.empty() ? -1.0 : *std::max_element(exits.begin(), exits.end()));
    }
    return failures == 0 ? 0 : 1;
}
