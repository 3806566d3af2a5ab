#include "app/batch.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include "app/run.h"
#include "app/run_log.h"
#include "commands/command_reader.h"
#include "commands/value_parsers.h"
#include "platform/encoding.h"
#include "platform/processors.h"

namespace corvane {
namespace {

// One line of the batch and, once drawn, all that its chart leaves to report.
struct Chart {
  int lineNumber = 0;
  std::string text{};
  bool tooLong = false;  // the line was longer than the bound and is not run
  bool taken = false;    // a thread is drawing it
  bool done = false;
  int result = 1;
  std::string out{};                          // its lines for standard output, stamped
  std::vector<RunLog::FileLine> fileLines{};  // its lines for the log, errors and trace files
  std::vector<std::string> unflushedFiles{};  // the files it saved
};

// The next line that names a chart, or none at the end of the file.
std::optional<Chart> NextChart(TextFileReader& file, int& lineNumber) {
  std::string line;
  for (;;) {
    const TextFileReader::LineRead read = file.ReadPhysicalLine(line);
    if (read == TextFileReader::LineRead::kEnd) return std::nullopt;
    ++lineNumber;
    if (read == TextFileReader::LineRead::kTooLong) return Chart{.lineNumber = lineNumber, .tooLong = true};
    if (line.ends_with('\n')) line.pop_back();
    const char* start = SkipBlanks(line.c_str());
    if (*start != 0 && *start != '#') return Chart{.lineNumber = lineNumber, .text = std::move(line)};
  }
}

// Draws the chart as a process of its own would, keeping what it writes for the batch to
// report in line order.
void DrawBatchChart(const Clock& clock, const std::string& traceFile, Chart& chart) {
  Run run(clock, nullptr, nullptr);
  if (!traceFile.empty()) run.log.TraceErrorsTo(traceFile);
  run.log.KeepLines();
  run.deferFlushes = true;
  run.drawingThreads = 1;
  chart.result = RunSequence(run, chart.text);
  run.log.LogMessage("Finished");
  chart.out = run.log.TakeOutput();
  chart.fileLines = run.log.TakeFileLines();
  chart.unflushedFiles = std::move(run.unflushedFiles);
}

// The charts between reading and reporting, in line order: the thread that reads the file
// adds them at the back and reports them from the front, the drawing threads take the first
// not yet taken. Never more than a few for each thread wait, so memory stays bounded whatever
// the length of the file.
class ChartQueue {
 public:
  ChartQueue(const Clock& clock, const BatchOptions& options) : clock_(clock), options_(options) {
    for (int k = 0; k < options.jobs; ++k) threads_.emplace_back([this] { Draw(); });
  }
  ~ChartQueue() {
    {
      const std::lock_guard lock(mutex_);
      closed_ = true;
    }
    work_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }
  ChartQueue(const ChartQueue&) = delete;
  ChartQueue& operator=(const ChartQueue&) = delete;

  bool Full() {
    const std::lock_guard lock(mutex_);
    return charts_.size() >= static_cast<std::size_t>(4 * options_.jobs);
  }
  bool Empty() {
    const std::lock_guard lock(mutex_);
    return charts_.empty();
  }

  void Add(Chart chart) {
    {
      const std::lock_guard lock(mutex_);
      charts_.push_back(std::move(chart));
    }
    work_.notify_one();
  }

  // The first chart, once it is drawn.
  Chart TakeFirst() {
    std::unique_lock lock(mutex_);
    drawn_.wait(lock, [this] { return charts_.front().done; });
    Chart chart = std::move(charts_.front());
    charts_.pop_front();
    return chart;
  }

 private:
  void Draw() {
    for (;;) {
      std::unique_lock lock(mutex_);
      Chart* chart = nullptr;
      work_.wait(lock, [&] {
        for (Chart& c : charts_) {
          if (!c.taken) {
            chart = &c;
            return true;
          }
        }
        return closed_;
      });
      if (chart == nullptr) return;
      chart->taken = true;
      lock.unlock();
      // The queue only grows at the back and loses its first chart once drawn, so this one stays.
      if (!chart->tooLong) DrawBatchChart(clock_, options_.traceFile, *chart);
      lock.lock();
      chart->done = true;
      lock.unlock();
      drawn_.notify_one();
    }
  }

  const Clock& clock_;
  const BatchOptions& options_;
  std::mutex mutex_;
  std::condition_variable work_;   // a chart was added, or the queue closed
  std::condition_variable drawn_;  // a chart was drawn
  std::deque<Chart> charts_;
  bool closed_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace

int RunBatch(const Clock& clock, std::FILE* out, TextFileReader& file, const BatchOptions& options) {
  RunLog log(clock, out);
  if (!options.traceFile.empty()) log.TraceErrorsTo(options.traceFile);
  int lineNumber = 0;
  int charts = 0;
  int saved = 0;
  std::vector<std::string> unflushedFiles;
  {
    ChartQueue queue(clock, options);
    std::optional<Chart> next = NextChart(file, lineNumber);
    while (next || !queue.Empty()) {
      while (next && !queue.Full()) {
        queue.Add(std::move(*next));
        next = NextChart(file, lineNumber);
      }
      const Chart chart = queue.TakeFirst();
      ++charts;
      log.LogMessage("Batch line %d", chart.lineNumber);
      if (chart.tooLong) log.LogMessage("ERROR: Batch - line %d is longer than 1 MiB", chart.lineNumber);
      std::fwrite(chart.out.data(), 1, chart.out.size(), out);
      std::fflush(out);
      for (const RunLog::FileLine& line : chart.fileLines) AppendLine(line.path, line.text);
      unflushedFiles.insert(unflushedFiles.end(), chart.unflushedFiles.begin(), chart.unflushedFiles.end());
      if (chart.result == 0) ++saved;
    }
  }
  const int flushError = unflushedFiles.empty() ? 0 : options.flush(unflushedFiles);
  if (flushError != 0) {
    log.LogMessage("ERROR: Batch - could not flush the saved charts to disk, error=%d", flushError);
  }
  log.LogMessage("Batch: %d of %d charts saved", saved, charts);
  return saved == charts && flushError == 0 ? 0 : 1;
}

int RunBatchArguments(const Clock& clock, std::FILE* out, std::FILE* in, int argc, const char* const* argv,
                      const std::string& traceFile) {
  RunLog log(clock, out);
  if (!traceFile.empty()) log.TraceErrorsTo(traceFile);
  BatchOptions options;
  options.traceFile = traceFile;
  options.jobs = std::min(ProcessorCount(), kMaxJobs);
  std::optional<std::string> name;
  for (int k = 0; k < argc; k += 2) {
    const char* value = k + 1 < argc ? argv[k + 1] : nullptr;
    if (std::strcmp(argv[k], "--batch") == 0 && !name) {
      if (value == nullptr || *value == 0) {
        log.LogMessage("ERROR: Batch - no filename");
        return 1;
      }
      name = std::string(value);
    } else if (std::strcmp(argv[k], "--jobs") == 0) {
      int jobs = 0;
      const char* end = value == nullptr ? nullptr : ParseInteger(value, jobs);
      if (end == nullptr || *end != 0 || jobs < 1 || jobs > kMaxJobs) {
        log.LogMessage("ERROR: Batch - jobs between 1-%d inclusive", kMaxJobs);
        return 1;
      }
      options.jobs = jobs;
    } else {
      log.LogMessage("ERROR: Batch - unknown argument [%.200s]", argv[k]);
      return 1;
    }
  }
  if (!name) {
    log.LogMessage("ERROR: Batch - no filename");
    return 1;
  }
  int error = 0;
  std::unique_ptr<TextFileReader> file;
  if (*name == "-") {
    // The batch's lines are the standard input; its charts get none.
    file = std::make_unique<TextFileReader>(in);
  } else {
    file = TextFileReader::Open(*name, error);
  }
  if (file == nullptr) {
    log.LogMessage("ERROR: Batch - could not open [%s], error=%d", name->c_str(), error);
    return 1;
  }
  return RunBatch(clock, out, *file, options);
}

}  // namespace corvane
