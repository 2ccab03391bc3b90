#include "redirect/stream_redirector.h"

#include <cstdio>

namespace xvo {

namespace {

platform::OutputSink openSink(const char* name)
{
    platform::OutputSink sink;
    if (name[0] == '|')
        platform::startCommandSink(name + 1, sink);
    else if (name[0] != '\0')
        platform::openAppendFile(name, sink);
    return sink;
}

}  // namespace

StreamRedirector::~StreamRedirector()
{
    // Buffered output must reach the targets before they close, or a command target
    // would lose what the launcher printed last.
    std::fflush(stdout);
    std::fflush(stderr);
    for (RedirectTarget* target = targets_.get(); target; target = target->next.get())
        platform::closeOutputSink(target->sink);
    // Unlinked one by one: a long chain must not recurse through the destructors.
    while (targets_)
        targets_ = std::move(targets_->next);
    if (stdout_.redirected)
        platform::restoreStandardStream(platform::StdStream::output, stdout_.saved);
    if (stderr_.redirected)
        platform::restoreStandardStream(platform::StdStream::error, stderr_.saved);
}

RedirectTarget& StreamRedirector::findOrCreateTarget(const char* name)
{
    std::unique_ptr<RedirectTarget>* link = &targets_;
    for (; *link; link = &(*link)->next) {
        if ((*link)->name.compare(name) == 0)
            return **link;
    }
    *link = std::make_unique<RedirectTarget>();
    RedirectTarget& target = **link;
    target.name.assign(name);
    target.sink = openSink(name);
    return target;
}

void StreamRedirector::redirect(platform::StdStream which, const char* name)
{
    if (!name)
        return;
    RedirectTarget& target = findOrCreateTarget(name);
    Slot& s = slot(which);
    s.requested = target.sink.handle;
    if (!target.opened() || s.redirected)
        return;
    platform::OsHandle saved = platform::noHandle;
    if (platform::pointStandardStream(which, target.sink, &saved)) {
        s.redirected = true;
        s.saved = saved;
    }
}

const StreamRedirector::Slot& StreamRedirector::slot(platform::StdStream which) const
{
    return which == platform::StdStream::output ? stdout_ : stderr_;
}

platform::OsHandle StreamRedirector::requestedHandle(platform::StdStream which) const
{
    return slot(which).requested;
}

bool StreamRedirector::isRedirected(platform::StdStream which) const
{
    return slot(which).redirected;
}

int32_t StreamRedirector::targetCount() const
{
    int32_t count = 0;
    for (const RedirectTarget* target = targets_.get(); target; target = target->next.get())
        ++count;
    return count;
}

StreamRedirector& streamRedirector()
{
    // Built on first use and destroyed by the runtime at exit, after main returns.
    static StreamRedirector redirector;
    return redirector;
}

void redirectStderr(const char* name)
{
    streamRedirector().redirectStderr(name);
}

void redirectStdout(const char* name)
{
    streamRedirector().redirectStdout(name);
}

}  // namespace xvo
