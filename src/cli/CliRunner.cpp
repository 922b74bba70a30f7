#include "cli/CliRunner.h"

#include "calculator/CalculatorSession.h"
#include "engine/Utf8Text.h"

#include <exception>
#include <istream>
#include <ostream>
#include <string>

namespace kalvio {
namespace {

constexpr std::size_t OutputChunkSize = 1 << 16;

// The field as a prompt: its selected part (a finished result) in reverse video.
std::string Prompt(const TMemoryExpressionField& field) {
    const std::u16string text = field.Text();
    const auto start = static_cast<std::size_t>(field.SelectionStart());
    const auto length = static_cast<std::size_t>(field.SelectionLength());
    const std::u16string_view view = text;
    std::string prompt = Utf16ToUtf8(view.substr(0, start));
    if (length > 0) {
        prompt += "\x1b[7m";
        AppendUtf8(prompt, view.substr(start, length));
        prompt += "\x1b[0m";
    }
    AppendUtf8(prompt, view.substr(start + length));
    return prompt;
}

void ApplyOptions(const TCliOptions& options, TCalculator& calculator) {
    if (options.IsBigDecimal && !calculator.IsBigDecimal()) {
        calculator.BigDecimalActionExecute();
    }
    if (options.AngleMode) {
        calculator.AngleActionExecute(*options.AngleMode);
    }
    if (options.SignificantDigits) {
        calculator.SetSignificantDigits(*options.SignificantDigits);
    }
    if (options.BcdSignificantDigits) {
        calculator.SetBcdSignificantDigits(*options.BcdSignificantDigits);
    }
}

// Collects the answers and writes them in large pieces, or line by line for a terminal.
class TAnswerWriter {
public:
    TAnswerWriter(std::ostream& out, bool isLineFlushed)
        : FOut(out), FIsLineFlushed(isLineFlushed) {}
    TAnswerWriter(const TAnswerWriter&) = delete;
    TAnswerWriter& operator=(const TAnswerWriter&) = delete;
    ~TAnswerWriter() { Flush(); }

    void WriteLine(std::u16string_view answer) {
        AppendUtf8(FBuffer, answer);
        FBuffer += '\n';
        if (FIsLineFlushed || FBuffer.size() >= OutputChunkSize) {
            Flush();
        }
    }
    void Flush() {
        FOut.write(FBuffer.data(), static_cast<std::streamsize>(FBuffer.size()));
        FBuffer.clear();
        if (FIsLineFlushed) {
            FOut.flush();
        }
    }

private:
    std::ostream& FOut;
    bool FIsLineFlushed;
    std::string FBuffer;
};

void RunInputs(const TCliOptions& options, std::istream& in, std::ostream& out,
               TCalculatorSession& session) {
    TAnswerWriter writer(out, options.IsLineFlushed || options.IsInteractive);
    if (!options.Expressions.empty()) {
        for (const std::string& expression : options.Expressions) {
            writer.WriteLine(session.Enter(Utf8ToUtf16(expression)));
        }
        return;
    }
    std::string line;
    while (true) {
        if (options.IsInteractive) {
            out << Prompt(session.Field) << std::flush;
        }
        if (!std::getline(in, line)) {
            break;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        writer.WriteLine(session.Enter(Utf8ToUtf16(line)));
    }
    if (options.IsInteractive) {
        out << '\n';
    }
}

} // namespace

int RunCli(const TCliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    TCalculatorSession session;
    // Nothing is shown between two Enters, so the real-time evaluation has nothing to do here.
    session.Field.OnChange = nullptr;
    TCalculator& calculator = session.Calculator;
    if (options.SettingsFile) {
        try {
            calculator.SetSettingsFile(*options.SettingsFile);
            calculator.Start();
            session.Events.IsTopMost = calculator.AppData().IsTopMost;
        } catch (const std::exception& error) {
            err << "kalvio-cli: cannot read settings file '" << *options.SettingsFile
                << "': " << error.what() << '\n';
            return 1;
        }
    }
    ApplyOptions(options, calculator);
    RunInputs(options, in, out, session);
    if (options.SettingsFile) {
        try {
            // No window: its stored geometry and panels stay as read.
            calculator.AppData().IsTopMost = session.Events.IsTopMost;
            calculator.SaveState();
        } catch (const std::exception& error) {
            err << "kalvio-cli: cannot write settings file '" << *options.SettingsFile
                << "': " << error.what() << '\n';
            return 1;
        }
    }
    return 0;
}

int CliMain(const std::vector<std::string_view>& arguments, std::istream& in, std::ostream& out,
            std::ostream& err, bool isInputTerminal, bool isOutputTerminal) {
    TCliOptions options;
    std::string error;
    if (!ParseCliArguments(arguments, options, error)) {
        err << "kalvio-cli: " << error << " (see kalvio-cli --help)\n";
        return 2;
    }
    if (options.IsHelp) {
        out << CliUsageText();
        return 0;
    }
    if (options.IsVersion) {
        out << "kalvio-cli " << KALVIO_VERSION_STRING << '\n';
        return 0;
    }
    options.IsInteractive = isInputTerminal && isOutputTerminal && options.Expressions.empty();
    options.IsLineFlushed = isOutputTerminal;
    return RunCli(options, in, out, err);
}

} // namespace kalvio
