// Find All and Replace All over documents with many matches: moving to each
// match must not lay the whole document out again, so the time should grow
// about linearly with the number of matches.

#include "benchmarks/runbenchmarks.h"
#include "library/gui/replacedialog.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// The dialog's search and replacement, run without its buttons.
class SearchBench : public ReplaceDialog
{
public:
    SearchBench(QTextEdit& textEdit, const QString& search, const QString& replacement)
        : ReplaceDialog(textEdit, nullptr)
    {
        m_findWhatLineEdit->setText(search);
        for (QLabel* label : findChildren<QLabel*>()) {
            if (label->buddy() && label->buddy() != m_findWhatLineEdit) {
                static_cast<QLineEdit*>(label->buddy())->setText(replacement);
            }
        }
    }
    using ReplaceDialog::replaceAll;
    using SearchDialog::findAll;
};

// `matches` paragraphs of ordinary text with one match each.
QString Document(int matches)
{
    QString text;
    for (int paragraph = 0; paragraph < matches; ++paragraph) {
        text += QStringLiteral("Lorem ipsum dolor sit amet, needle consectetur adipiscing elit %1.\n").arg(paragraph);
    }
    return text;
}

// A shown editor of a usual window size.
class Editor
{
public:
    explicit Editor(int matches)
        : m_text(Document(matches))
    {
        m_textEdit.resize(800, 600);
        m_textEdit.show();
        reset();
    }
    // The text again, laid out to its end as a shown editor soon has it.
    void reset()
    {
        m_textEdit.setPlainText(m_text);
        QTextDocument* document = m_textEdit.document();
        document->documentLayout()->blockBoundingRect(document->lastBlock());
    }
    QTextEdit& textEdit() { return m_textEdit; }

private:
    const QString m_text;
    QTextEdit m_textEdit;
};

void BM_FindAll(benchmark::State& state)
{
    Editor editor(static_cast<int>(state.range(0)));
    SearchBench dialog(editor.textEdit(), QStringLiteral("needle"), QString());
    for (auto _ : state) {
        dialog.findAll();
        benchmark::DoNotOptimize(editor.textEdit().extraSelections().size());
    }
    if (editor.textEdit().extraSelections().size() != state.range(0)) {
        state.SkipWithError("wrong number of matches");
    }
}

void BM_ReplaceAll(benchmark::State& state)
{
    Editor editor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        editor.reset();
        SearchBench dialog(editor.textEdit(), QStringLiteral("needle"), QStringLiteral("pin"));
        state.ResumeTiming();
        dialog.replaceAll();
    }
    if (editor.textEdit().toPlainText().contains(QStringLiteral("needle"))) {
        state.SkipWithError("a match was left");
    }
}

BENCHMARK(BM_FindAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return RunBenchmarks(argc, argv);
}
