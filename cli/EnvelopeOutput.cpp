#include "EnvelopeOutput.h"

#include <QByteArray>
#include <QFile>
#include <QPageSize>

#include "evidence/EnvelopeCards.h"
#include "pages/QuietGeneration.h"
#include "qtprint/OffscreenPrintApplication.h"
#include "qtprint/PdfEnvelopePrinter.h"
#include "random/ListCollector.h"

namespace zufora::cli {

PdfEnvelopes PrintEnvelopesPdf(const std::string& pdf_file, PdfPageSize page_size,
                               const EnvelopeJob& job, EnvelopeCardSource& cards) {
  const OffscreenPrintApplication session("zufora-cli");
  const QPageSize size(page_size == PdfPageSize::kLetter ? QPageSize::Letter : QPageSize::A4);
  const PdfEnvelopeResult result = PrintEnvelopesToPdf(
      job, cards, QFile::decodeName(QByteArray::fromStdString(pdf_file)), size, true);
  return {result.cards, result.pages};
}

std::variant<PdfEnvelopes, std::string> PrintDesignEnvelopes(OpenedDesign& opened,
                                                             bool accept_misfits,
                                                             const NumberingOptions& numbering,
                                                             PdfPageSize page_size,
                                                             const std::string& pdf_file) {
  const StudyDesign& design = opened.Pages().Design();
  const ProgramTexts& texts = opened.Texts();
  DrawnLists drawn;
  ListCollector collector(drawn);
  QuietGeneration(texts.catalogue).Draw(design, accept_misfits, collector);
  auto numbers = NumberDrawnLists(numbering, design, drawn);
  if (auto* problem = std::get_if<std::string>(&numbers)) {
    return std::move(*problem);
  }
  const auto& numbered = std::get<RandomisationNumbering>(numbers);
  EnvelopeCards cards(design, drawn, texts.derived.center_caption, texts.derived.stratum_caption,
                      [&numbered](std::int64_t index) { return numbered.Number(index); });
  const EnvelopeJob job{.study_name = drawn.study_name,
                        .document_name = texts.main_window.Caption(),
                        .test = opened.Pages().State().test_list};
  return PrintEnvelopesPdf(pdf_file, page_size, job, cards);
}

}  // namespace zufora::cli
