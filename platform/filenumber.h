#pragma once
// File number 1: the one open file of the program, read and written as whole runs of bytes with the
// run-time error numbers. Close() is always safe to call again.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <memory>

class FileNumber {
public:
    enum class Mode {
        BinaryRead,  // existing file only (error 53 when missing)
        BinaryReadWrite,  // existing file only, read and overwrite in place
        BinaryWrite,  // creates or extends; writes at the position
        TextOutput  // creates anew (truncates); lines end in CR LF
    };

    // The program's file number 1.
    static FileNumber& one();

    FileNumber() = default;
    ~FileNumber();
    FileNumber(const FileNumber&) = delete;
    FileNumber& operator=(const FileNumber&) = delete;

    // Path is taken exactly as given (the program's own names go through nativePath first).
    // Error 55 when already open, 53 when a read mode finds no file, NotARegularFile for a folder,
    // pipe, device or socket, 70 when not permitted, 75/76 for other failures.
    void open(const QString& path, Mode mode);
    void close() noexcept;
    // Writes out what is still buffered; error 61 when it cannot be written. close() cannot report
    // that, so a writer calls flush() before it reports success.
    void flush();
    bool isOpen() const noexcept;

    // 0-based byte position; size of the file; end of file reached.
    std::int64_t pos() const;
    void seek(std::int64_t pos);
    std::int64_t size() const;
    bool eof() const;

    // Reads raise error 62 when the file ends before the bytes do (checked before any memory is taken
    // for them), 54 in TextOutput mode. Any call while closed raises 52; writes in BinaryRead raise 54.
    // The file formats themselves are read and written with ByteReader and ByteWriter.
    QByteArray readBytes(std::int64_t n);
    void writeBytes(const QByteArray& bytes);

private:
    void requireOpen() const;
    void requireReadable() const;
    void requireWritable() const;
    void readExactly(char* into, std::int64_t n);
    void writeRaw(const QByteArray& bytes);
    std::unique_ptr<QFile> file_;
    Mode mode_ = Mode::BinaryRead;
};

// Closes file number 1 when the handler leaves, by any path.
struct FileNumberCloser {
    ~FileNumberCloser() { FileNumber::one().close(); }
};
