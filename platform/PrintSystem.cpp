#include "PrintSystem.h"

#include <cups/cups.h>

#include <algorithm>
#include <string_view>

namespace korv {

namespace {

// A printer instance is written "queue/instance"; jobs belong to the queue.
QByteArray queueOf(const QString& printer) {
    return printer.section(QLatin1Char('/'), 0, 0).toUtf8();
}

void say(QString* why, const QString& text) {
    if (why) *why = text;
}

} // namespace

bool printerAcceptsJobs(const QString& printer, QString* why) {
    const QByteArray queue = queueOf(printer);
    const QByteArray instance = printer.section(QLatin1Char('/'), 1).toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest) {
        say(why, QString::fromUtf8(cupsLastErrorString()));
        return false;
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool ok = !accepting || std::string_view(accepting) != "false";
    if (!ok) {
        const char* reason =
            cupsGetOption("printer-state-message", dest->num_options, dest->options);
        say(why, reason && *reason ? QString::fromUtf8(reason)
                                   : QStringLiteral("the printer does not accept jobs"));
    }
    cupsFreeDests(1, dest);
    return ok;
}

int lastJobId(const QString& printer) {
    cups_job_t* jobs = nullptr;
    const int n =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queueOf(printer).constData(), 0, CUPS_WHICHJOBS_ALL);
    int last = 0;
    for (int i = 0; i < n; ++i)
        last = std::max(last, jobs[i].id);
    cupsFreeJobs(n, jobs);
    return last;
}

bool jobWasTakenOn(const QString& printer, int after, QString* why) {
    cups_job_t* jobs = nullptr;
    const int n =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queueOf(printer).constData(), 0, CUPS_WHICHJOBS_ALL);
    const char* me = cupsUser();
    bool found = false, ok = false;
    for (int i = 0; i < n; ++i) {
        const cups_job_t& job = jobs[i];
        if (job.id <= after || (job.user && me && std::string_view(job.user) != me)) continue;
        found = true;
        ok = job.state != IPP_JSTATE_ABORTED && job.state != IPP_JSTATE_CANCELED;
        if (!ok) say(why, QStringLiteral("the print system stopped the job"));
    }
    cupsFreeJobs(n, jobs);
    if (!found) say(why, QStringLiteral("the print system took no job"));
    return found && ok;
}

} // namespace korv
