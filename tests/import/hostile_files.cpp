#include "hostile_files.h"

#include <fcntl.h>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <zlib.h>

#include <chrono>
#include <stdexcept>

#include "support/test_files.h"

extern char** environ;

namespace tw::test {

namespace {

// Raw deflate of head + filler x repeats + tail, with its CRC and length.
// Each filler block is flushed in full, so no block refers back to another
// and one compressed block stands for every copy.
struct Deflated {
    std::string bytes;
    uLong crc = crc32(0, nullptr, 0);
    std::uint64_t size = 0;
};

std::string deflate_step(z_stream& z, const std::string& in, int flush) {
    std::string out;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    z.avail_in = static_cast<uInt>(in.size());
    char buffer[1 << 16];
    do {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        deflate(&z, flush);
        out.append(buffer, sizeof buffer - z.avail_out);
    } while (z.avail_out == 0);
    return out;
}

Deflated deflated(const ZipPart& part) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    Deflated d;
    auto take = [&](const std::string& text) {
        d.crc = crc32(d.crc, reinterpret_cast<const Bytef*>(text.data()),
                      static_cast<uInt>(text.size()));
        d.size += text.size();
    };
    d.bytes = deflate_step(z, part.head, Z_FULL_FLUSH);
    take(part.head);
    if (part.repeats > 0) {
        const std::string block = deflate_step(z, part.filler, Z_FULL_FLUSH);
        const uLong block_crc =
            crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(part.filler.data()),
                  static_cast<uInt>(part.filler.size()));
        for (std::uint64_t i = 0; i < part.repeats; ++i) {
            d.bytes += block;
            d.crc = crc32_combine(d.crc, block_crc, static_cast<z_off_t>(part.filler.size()));
            d.size += part.filler.size();
        }
    }
    d.bytes += deflate_step(z, part.tail, Z_FINISH);
    take(part.tail);
    deflateEnd(&z);
    return d;
}

ZipPart small_part(const char* name, const char* text) {
    return {name, text, "", 0, ""};
}

}  // namespace

void write_zip(const std::string& path, const std::vector<ZipPart>& parts) {
    QuaZip zip(QString::fromStdString(path));
    if (!zip.open(QuaZip::mdCreate)) throw std::runtime_error("cannot create " + path);
    for (const auto& part : parts) {
        QuaZipNewInfo info(QString::fromStdString(part.name));
        if (part.stored) {
            QuaZipFile file(&zip);
            if (!file.open(QIODevice::WriteOnly, info, nullptr, 0, 0))
                throw std::runtime_error("cannot write " + part.name);
            file.write(QByteArray::fromStdString(part.head + part.tail));
            file.close();
            continue;
        }
        const Deflated d = deflated(part);
        info.uncompressedSize = static_cast<ulong>(d.size);
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info, nullptr, static_cast<quint32>(d.crc), Z_DEFLATED,
                       9, true)) {
            throw std::runtime_error("cannot write " + part.name);
        }
        file.write(d.bytes.data(), static_cast<qint64>(d.bytes.size()));
        file.close();
    }
    zip.close();
}

std::vector<ZipPart> xlsx_parts(ZipPart sheet) {
    sheet.name = "xl/worksheets/sheet1.xml";
    return {
        small_part(
            "xl/workbook.xml",
            "<?xml version=\"1.0\"?><workbook "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
            "<sheets><sheet name=\"Counts\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"),
        small_part("xl/_rels/workbook.xml.rels",
                   "<?xml version=\"1.0\"?><Relationships><Relationship Id=\"rId1\" "
                   "Target=\"worksheets/sheet1.xml\"/></Relationships>"),
        sheet,
    };
}

std::vector<ZipPart> ods_parts(ZipPart content) {
    content.name = "content.xml";
    // First and uncompressed, as in every ods: it is what tells an ods from other zips.
    ZipPart mimetype = small_part("mimetype", "application/vnd.oasis.opendocument.spreadsheet");
    mimetype.stored = true;
    return {mimetype, content};
}

MeasuredRun run_import_measured(const std::vector<std::string>& args) {
    const std::string err_file = write_input_file("measured_stderr.txt", "");
    std::vector<std::string> argv_text{TARNWICK_IMPORT_COMMAND};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argv_text) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err_file.c_str(), O_WRONLY | O_TRUNC, 0);
    MeasuredRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) return run;
    posix_spawn_file_actions_destroy(&actions);
    int raw = 0;
    rusage usage{};
    wait4(pid, &raw, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.peak_kb = usage.ru_maxrss;
    run.err = bytes_of(err_file);
    return run;
}

}  // namespace tw::test
