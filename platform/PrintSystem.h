#pragma once
// What the print system itself says about a printer and the jobs handed to it. Qt's own
// printing hands a finished job over without checking the answer, so a refused or
// undeliverable job would otherwise count as printed.
#include <QString>

namespace korv {

// Whether the printer exists and accepts jobs now; `why` says what is wrong otherwise.
bool printerAcceptsJobs(const QString& printer, QString* why = nullptr);

// The highest job number the print system knows for the printer (0 for none), taken
// before a document starts so that its job can be told from older ones.
int lastJobId(const QString& printer);

// Whether a job newer than `after` reached the printer's queue and was neither refused,
// aborted nor cancelled; `why` says what went wrong otherwise.
bool jobWasTakenOn(const QString& printer, int after, QString* why = nullptr);

} // namespace korv
