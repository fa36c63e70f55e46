#pragma once
// Reading the font configuration and the cache of the installed fonts takes
// a few milliseconds that the first window would otherwise wait for. A
// thread of its own starts it at once, while the application and the order
// start up; it is joined before the first window is built, so the toolkit
// never meets it half done.
#include <thread>

namespace scanfee::qtview {

class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup() { join(); }
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;
    void join();

private:
    std::thread thread_;
};

}  // namespace scanfee::qtview
