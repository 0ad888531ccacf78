// Linked into every test program: the process ends with one thread.
//
// Qt ends its worker threads (the painting thread pool, a file dialog's
// folder reader) as the application object goes, and waits until they
// have finished their work; but each may still be on its way out of the
// system when main() returns. The leak check that runs after this stops
// every thread to scan memory, and crashes on one that is half gone
// ("Tracer caught signal 11"), which a busy machine makes likely. So the
// last thing a test does is wait for the other threads to be gone.
#ifdef __linux__
#include <chrono>
#include <dirent.h>
#include <thread>

namespace {

int threadCount()
{
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return 1;
    int count = 0;
    while (const dirent *entry = readdir(tasks))
        count += entry->d_name[0] != '.';
    closedir(tasks);
    return count;
}

// Destroyed after main() has returned and before the leak check, whose
// exit handler was set up before any of the program's. A thread that
// never ends is waited for ten seconds at most.
struct ThreadsGone {
    ~ThreadsGone()
    {
        for (int i = 0; i < 10000 && threadCount() > 1; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
} threadsGone;

} // namespace
#endif
