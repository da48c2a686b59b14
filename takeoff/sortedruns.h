#pragma once

#include "takeoff/spillfile.h"

#include <QDataStream>
#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <queue>
#include <tuple>
#include <vector>

// Sums by key for more keys than memory should hold: a batch of records is sorted, its equal keys
// added up, and written to a temporary file as a run; the runs are merged in the order of the
// keys, each key given once with its sums added up. A merge holds one record of each run it
// reads, and reads at most FanIn runs at once: when FanIn runs of one generation stand, they are
// merged into one of the next, as an external sort does, so that a key is rewritten only a few
// times however many runs there are. Key is a std::tuple of what QDataStream writes (QString,
// int); the sums are 64-bit and their overflow is told, never wrapped.
template <typename KeyType, std::size_t Count> class SortedRuns
{
public:
    using Key = KeyType;
    using Sums = std::array<qint64, Count>;
    using Record = std::pair<Key, Sums>;
    using Visit = std::function<void(const Key &, const Sums &)>;

    // Sorts `batch` and adds up its equal keys, in place.
    void combine(std::vector<Record> &batch)
    {
        std::sort(batch.begin(), batch.end(),
                  [](const Record &a, const Record &b) { return a.first < b.first; });
        auto kept = batch.begin();
        for (auto it = batch.begin(); it != batch.end(); ++it) {
            if (kept != batch.begin() && std::prev(kept)->first == it->first) {
                if (!addSums(std::prev(kept)->second, it->second))
                    m_overflowed = true;
                continue;
            }
            if (kept != it)
                *kept = std::move(*it);
            ++kept;
        }
        batch.erase(kept, batch.end());
    }

    // Writes `batch` as a run and empties it; false with the reason when the temporary file could
    // not be made or written.
    bool write(std::vector<Record> &batch, QString &error)
    {
        combine(batch);
        Writer run;
        if (!run.open(error))
            return false;
        for (const Record &record : batch)
            run.put(record);
        batch = {};
        if (!run.close(error))
            return false;
        m_runs.push_back({std::move(run.file), 0});
        // Like a counter carrying: FanIn runs of one generation make one of the next.
        while (m_runs.size() >= FanIn &&
               m_runs[m_runs.size() - FanIn].generation == m_runs.back().generation)
            if (!mergeLast(FanIn, m_runs.back().generation + 1, error))
                return false;
        return true;
    }

    // Every key of the runs and of `batch` once, in order, with its sums added up (but for those
    // that came to nothing); false with the reason when a run could not be read back or written.
    // The runs stay for another merge.
    bool merge(std::vector<Record> &batch, const Visit &visit, QString &error)
    {
        while (m_runs.size() >= FanIn)
            if (!mergeLast(FanIn, m_runs.back().generation + 1, error))
                return false;
        combine(batch);
        std::vector<QFile *> files;
        for (Run &run : m_runs)
            files.push_back(run.file.get());
        return mergeFiles(files, &batch, visit, error);
    }

    bool spilled() const { return !m_runs.empty(); }
    // A sum passed 64 bits (it is then held at the largest).
    bool overflowed() const { return m_overflowed; }

private:
    static constexpr std::size_t FanIn = 16;

    struct Run {
        std::unique_ptr<QFile> file;
        int generation;
    };

    static bool addSums(Sums &total, const Sums &more)
    {
        bool fits = true;
        for (std::size_t i = 0; i < Count; ++i)
            if (__builtin_add_overflow(total[i], more[i], &total[i])) {
                total[i] = more[i] < 0 ? std::numeric_limits<qint64>::min()
                                       : std::numeric_limits<qint64>::max();
                fits = false;
            }
        return fits;
    }

    // A run being written: its number of records first, then the records.
    struct Writer {
        std::unique_ptr<QFile> file;
        QDataStream out;
        qint64 records = 0;

        bool open(QString &error)
        {
            file = openSpillFile(error);
            if (!file)
                return false;
            out.setDevice(file.get());
            out << records;
            return true;
        }
        void put(const Record &record)
        {
            std::apply([&](const auto &...field) { ((out << field), ...); }, record.first);
            for (qint64 sum : record.second)
                out << sum;
            ++records;
        }
        bool close(QString &error)
        {
            if (out.status() == QDataStream::Ok && file->flush() && file->seek(0)) {
                out << records;
                if (out.status() == QDataStream::Ok && file->flush())
                    return true;
            }
            error = QStringLiteral("cannot write a temporary file in %1: %2")
                        .arg(QFile::decodeName(spillFolder()), file->errorString());
            return false;
        }
    };

    // A run being read: its current record.
    struct Reader {
        QDataStream in;
        qint64 left = 0;
        Record current;

        bool next()
        {
            if (left-- <= 0)
                return false;
            std::apply([&](auto &...field) { ((in >> field), ...); }, current.first);
            for (qint64 &sum : current.second)
                in >> sum;
            return in.status() == QDataStream::Ok;
        }
    };

    // The last `count` runs merged into one of `generation`.
    bool mergeLast(std::size_t count, int generation, QString &error)
    {
        Writer merged;
        if (!merged.open(error))
            return false;
        std::vector<QFile *> files;
        for (std::size_t i = m_runs.size() - count; i < m_runs.size(); ++i)
            files.push_back(m_runs[i].file.get());
        if (!mergeFiles(
                files, nullptr,
                [&](const Key &key, const Sums &sums) {
                    merged.put({key, sums});
                },
                error) ||
            !merged.close(error))
            return false;
        m_runs.resize(m_runs.size() - count);
        m_runs.push_back({std::move(merged.file), generation});
        return true;
    }

    bool mergeFiles(const std::vector<QFile *> &files, const std::vector<Record> *batch,
                    const Visit &visit, QString &error)
    {
        std::vector<Reader> readers(files.size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            readers[i].in.setDevice(files[i]);
            if (!files[i]->seek(0)) {
                error = files[i]->errorString();
                return false;
            }
            readers[i].in >> readers[i].left;
        }
        // A source is a reader, or the batch (index files.size()) at `at`.
        std::size_t at = 0;
        const std::size_t inBatch = files.size();
        const auto key = [&](std::size_t source) -> const Key & {
            return source == inBatch ? (*batch)[at].first : readers[source].current.first;
        };
        const auto later = [&](std::size_t a, std::size_t b) { return key(b) < key(a); };
        std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> next(later);
        bool unread = false;
        const auto advance = [&](std::size_t source) {
            if (source == inBatch) {
                if (++at < batch->size())
                    next.push(source);
            } else if (readers[source].next()) {
                next.push(source);
            } else if (readers[source].in.status() != QDataStream::Ok) {
                unread = true; // a run ended before its count, or could not be read
            }
        };
        for (std::size_t i = 0; i < files.size(); ++i)
            advance(i);
        if (batch && !batch->empty())
            next.push(inBatch);
        while (!next.empty() && !unread) {
            std::size_t source = next.top();
            next.pop();
            Record sum = {key(source),
                          source == inBatch ? (*batch)[at].second : readers[source].current.second};
            advance(source);
            while (!next.empty() && key(next.top()) == sum.first) {
                source = next.top();
                next.pop();
                if (!addSums(sum.second, source == inBatch ? (*batch)[at].second
                                                           : readers[source].current.second))
                    m_overflowed = true;
                advance(source);
            }
            // Lines taken back out leave a key nothing: it is no key, as in memory.
            if (std::any_of(sum.second.begin(), sum.second.end(), [](qint64 v) { return v; }))
                visit(sum.first, sum.second);
        }
        if (unread) {
            error = QStringLiteral("cannot read back a temporary file in %1")
                        .arg(QFile::decodeName(spillFolder()));
            return false;
        }
        return true;
    }

    std::vector<Run> m_runs;
    bool m_overflowed = false;
};
