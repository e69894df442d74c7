#pragma once
// A report: its own copy of a template, the operations the program fills it
// with, and the pages prepared from it. Every name the program asks for must
// be in the template; a missing one is a programming error and throws, so a
// template and the code that fills it cannot drift apart unnoticed.

#include "ReportModel.h"

#include <QDateTime>
#include <QString>

#include <stdexcept>

namespace report {

class TemplateError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class Report {
  public:
    Report(QString templateName, ReportPage page);

    const QString& templateName() const { return name_; }

    // The report page: index 1 (index 0 is the data page, which holds nothing
    // of the program's).
    ReportPage& page(int index);
    // The text box of that name, on the page or in a band.
    TextBox& text(const QString& name);
    Band& band(const QString& name);

    // Lays the pages out from the template and the texts set so far,
    // replacing whatever was prepared before. "[DATE]" in any text becomes
    // the date of `now`, dd/mm/yyyy.
    void prepare(const QDateTime& now);
    // Prepared with the program's clock.
    void prepare();
    // The pages of the last prepare(); asking before any is a programming
    // error.
    const PreparedReport& prepared() const;

  private:
    QString name_;
    ReportPage page_;
    PreparedReport prepared_;
    bool isPrepared_ = false;
};

} // namespace report
