#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormigral::test {

// A named pipe at `chemin` while it lives. Code that opens it for reading would wait for a writer
// for ever: after `delai` a watchdog opens its other end for a moment, so such code goes on (to a
// failed check) instead of hanging the test. `debloque()` tells whether it had to.
class TubeSurveille {
public:
    explicit TubeSurveille(std::string chemin, std::chrono::milliseconds delai = std::chrono::seconds(3))
        : chemin_(std::move(chemin)) {
        cree_ = ::mkfifo(chemin_.c_str(), 0600) == 0;
        surveillant_ = std::thread([this, delai] {
            std::unique_lock<std::mutex> verrou(mutex_);
            if (fin_.wait_for(verrou, delai, [this] { return fini_; }))
                return;
            // Opening without waiting succeeds only while a reader waits on the pipe.
            while (!fini_) {
                const int fd = ::open(chemin_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    ::close(fd);
                    debloque_ = true;
                }
                fin_.wait_for(verrou, std::chrono::milliseconds(50), [this] { return fini_; });
            }
        });
    }
    ~TubeSurveille() {
        {
            std::lock_guard<std::mutex> verrou(mutex_);
            fini_ = true;
        }
        fin_.notify_all();
        surveillant_.join();
        ::unlink(chemin_.c_str());
    }
    TubeSurveille(const TubeSurveille&) = delete;
    TubeSurveille& operator=(const TubeSurveille&) = delete;

    bool cree() const { return cree_; }
    bool debloque() {
        std::lock_guard<std::mutex> verrou(mutex_);
        return debloque_;
    }

private:
    std::string chemin_;
    bool cree_ = false;
    std::mutex mutex_;
    std::condition_variable fin_;
    bool fini_ = false;
    bool debloque_ = false;
    std::thread surveillant_;
};

} // namespace vormigral::test
