#ifndef MESSUNG_H
#define MESSUNG_H

#include <QList>

#include <functional>

// What the benchmarks measure: wall time of a call and the peak memory of this process.
namespace BenchMessung {

// Milliseconds f takes.
double millis(const std::function<void()>& f);
// The middle value of v (0 for none).
double median(QList<double> v);
// The peak resident memory of this program image in kB (VmHWM; getrusage keeps
// the parent's peak across exec), -1 where /proc is missing.
long vmHwmKb();

}  // namespace BenchMessung

#endif
