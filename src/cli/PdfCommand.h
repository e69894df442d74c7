#pragma once
// pdf daily --year YYYY N -o FILE.pdf, pdf timetables N -o FILE.pdf and
// pdf workers N -o FILE.pdf: the printed sheet (the worker card) of one
// record as a one-page PDF, through the same template and engine as the
// program's "Stampa". Needs a QGuiApplication (fonts); never creates or
// changes an archive.

#include "CliSupport.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

namespace cli {

// Throws CliError for bad usage, a missing archive or record number, or an
// output that cannot be written; nothing is created then.
int runPdf(const Options& options, const QStringList& args);

// The application runPdf needs: a QGuiApplication on the offscreen platform,
// which reaches the fonts without a display.
std::unique_ptr<QCoreApplication> makePdfApplication(int& argc, char** argv);

} // namespace cli
