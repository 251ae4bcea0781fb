// joyvane-cli dump MOVIE.swf: the header, then every tag on one line, grouped
// by frame.
#include "editor/cli/Command.h"

#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"
#include "viewer/swf/TagNames.h"

#include <algorithm>

#include <ostream>

namespace cli {

namespace {

void PrintHeader(std::ostream& out, const swf::Header& header) {
    const swf::Rect& stage = header.frameRect;
    out << "signature " << header.signature << "\n"
        << "version " << int{header.version} << "\n"
        << "length " << header.fileLength << " bytes\n"
        << "stage " << stage.xmin << ".." << stage.xmax << " x " << stage.ymin << ".." << stage.ymax
        << " twips\n"
        << "frame rate " << (header.frameRate >> 8);
    if (header.frameRate & 0xFF) {
        out << " + " << (header.frameRate & 0xFF) << "/256";
    }
    out << "\nframe count " << header.frameCount << "\n";
}

size_t CountShowFrames(const swf::Movie& movie) {
    return std::count_if(movie.tags.begin(), movie.tags.end(),
                         [](const swf::Tag& tag) { return tag.code == swf::TagCode::ShowFrame; });
}

void PrintFrames(std::ostream& out, const swf::Movie& movie) {
    auto frames = swf::TagsByFrame(movie);
    size_t closedFrames = CountShowFrames(movie);
    for (size_t index = 0; index < frames.size(); ++index) {
        if (index < closedFrames) {
            out << "frame " << index << ":\n";
        } else {
            out << "after the last frame:\n";
        }
        for (const swf::Tag* tag : frames[index]) {
            out << "  " << tag->record << "\n";
        }
    }
    out << "end\n";
    if (movie.trailingBytes > 0) {
        out << movie.trailingBytes << " byte(s) after the End tag\n";
    }
}

} // namespace

int RunDump(CommandContext& context) {
    if (context.arguments.size() == 1 && context.arguments[0] == "--help") {
        context.out << "Usage: joyvane-cli dump MOVIE.swf\n";
        return ExitSuccess;
    }
    if (context.arguments.size() != 1) {
        context.error << "joyvane-cli dump: expected one movie file (usage: joyvane-cli dump "
                         "MOVIE.swf)\n";
        return ExitUsage;
    }
    const std::string& path = context.arguments[0];
    try {
        swf::Movie movie = swf::ReadMovieFile(path);
        PrintHeader(context.out, movie.header);
        PrintFrames(context.out, movie);
    } catch (const swf::ReadError& error) {
        context.error << "joyvane-cli dump: " << path << ": " << error.what() << "\n";
        return ExitFailure;
    } catch (const std::exception& error) {
        context.error << "joyvane-cli dump: " << error.what() << "\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace cli
