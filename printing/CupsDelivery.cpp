#include "printing/CupsDelivery.h"

#ifdef SLIP_HAS_CUPS

#include <QByteArray>

#include <cups/cups.h>

#include <array>
#include <memory>

namespace {

using Problem = PrintJobOutcome::Problem;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppPointer = std::unique_ptr<ipp_t, IppDeleter>;

// The spooler queue of a Qt printer name: an instance ("queue/instance") prints on its queue.
QByteArray queueOf(const QString& printerName) {
    return printerName.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
}

QString lastErrorText() {
    return QString::fromUtf8(cupsLastErrorString());
}

// The server did not answer: the words name the server, since libcups' own text for a refused
// connection ("Bad file descriptor", say) does not.
PrintJobOutcome serverMissing() {
    return {Problem::PrintSystemMissing,
            QString::fromLocal8Bit(cupsServer()) + QStringLiteral(": ") + lastErrorText()};
}

QString textAttribute(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char* text = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

// The queue's state through a Get-Printer-Attributes request on the default server.
IppPointer askQueue(const QByteArray& queue) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const std::array<const char*, 3> wanted = {
        "printer-is-accepting-jobs", "printer-state-message", "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(wanted.size()), nullptr, wanted.data());
    return IppPointer(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

// Why the queue refuses, in the print system's words: the reason given with the refusal
// ("Rejecting Jobs" when none was given), else its state keywords.
QString refusalReason(ipp_t* response, const QString& fallback) {
    const QString message = textAttribute(response, "printer-state-message");
    if (!message.isEmpty()) {
        return message;
    }
    const QString reasons = textAttribute(response, "printer-state-reasons");
    return reasons.isEmpty() || reasons == QStringLiteral("none") ? fallback : reasons;
}

PrintJobOutcome queueOutcome(const QByteArray& queue, const QString& refusalFallback) {
    const IppPointer response = askQueue(queue);
    if (!response) {
        // No answer at all: the connection to the server failed.
        return cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ? serverMissing()
                                                                       : PrintJobOutcome{};
    }
    const ipp_status_t status = ippGetStatusCode(response.get());
    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        return {Problem::PrinterUnreachable, lastErrorText()};
    }
    if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) {
        return serverMissing();
    }
    if (status >= IPP_STATUS_REDIRECTION_OTHER_SITE) {
        return {};
    }
    ipp_attribute_t* accepting =
        ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting && !ippGetBoolean(accepting, 0)) {
        return {Problem::PrinterRefuses, refusalReason(response.get(), refusalFallback)};
    }
    return {};
}

} // namespace

PrintJobOutcome CupsDelivery::checkQueue(const QString& printerName) {
    return queueOutcome(queueOf(printerName), QStringLiteral("not accepting jobs"));
}

void CupsDelivery::beginHandOver() {
    // A range check in libcups that fails before any request is made: the thread's last result
    // becomes an internal error, which no hand-over that reached the spooler leaves behind.
    cupsGetJobs2(CUPS_HTTP_DEFAULT, nullptr, nullptr, 0, CUPS_WHICHJOBS_ALL);
}

PrintJobOutcome CupsDelivery::handOverResult(const QString& printerName) {
    // libcups cancels a job whose document was not taken whole, so only a plain "successful-ok"
    // from the last request means the spooler holds the job.
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_OK) {
        return {};
    }
    const QString words = lastErrorText();
    const PrintJobOutcome queue = queueOutcome(queueOf(printerName), words);
    if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS) {
        // The queue may take jobs again by now; the refusal stands, with its reason if known.
        return {Problem::PrinterRefuses,
                queue.problem == Problem::PrinterRefuses ? queue.detail : words};
    }
    return queue.delivered() ? PrintJobOutcome{Problem::Failed, words} : queue;
}

#else // no libcups: Qt's own report is all there is

PrintJobOutcome CupsDelivery::checkQueue(const QString&) {
    return {};
}

void CupsDelivery::beginHandOver() {}

PrintJobOutcome CupsDelivery::handOverResult(const QString&) {
    return {};
}

#endif
