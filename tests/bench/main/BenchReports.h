#pragma once

// Timing a report written to PDF, as "Save as PDF" and the command line do.
#include "reports/painter/TReportPainter.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <vector>

namespace BenchReports {

// Builds the documents each round and writes them as one PDF to the file;
// gives the pages of the last round.
inline int TimeToPdf(benchmark::State &state, const QString &file,
                     const std::function<std::vector<TReportDocument>()> &build)
{
    int pages = 0;
    for (auto _ : state) {
        const std::vector<TReportDocument> docs = build();
        QList<const TReportDocument *> all;
        pages = 0;
        for (const TReportDocument &d : docs) {
            all.append(&d);
            pages += int(d.Pages.size());
        }
        benchmark::DoNotOptimize(TReportPainter::WritePdf(all, file));
    }
    return pages;
}

// The same for one document.
inline void TimeOneToPdf(benchmark::State &state, const QString &file,
                         const std::function<TReportDocument()> &build)
{
    TimeToPdf(state, file, [&build] {
        std::vector<TReportDocument> docs;
        docs.push_back(build());
        return docs;
    });
}

} // namespace BenchReports
