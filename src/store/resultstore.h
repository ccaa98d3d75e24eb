#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "store/storedrun.h"

namespace mirvel {

class Store;

// One row of the results grid, already in display form.
struct ResultRow {
  QString date;      // e_date in the locale's short date-time format
  QString duration;
  QString user;      // empty when the user no longer exists
  QString group;
  QString exam;
  QString tasks;     // "10 (+ 2)"
  QString success;
  QString mark;      // "0" shown as "1*"
  QString interrupted;  // "x" for an interrupted run, empty otherwise
  QString id;
};

// Operations on the results table (config.fdb) and the motivational words
// (data.fdb).
class ResultStore final {
 public:
  // Returns an index in [0, count).
  using RandomIndex = std::function<int(int count)>;

  explicit ResultStore(Store& store);

  int GetHighestResultId();
  int StoreResult(const QString& user_name, int user_id, const StoredRun& run);
  std::vector<ResultRow> FillResultsGrid(const QString& filter, const QString& order);
  int ListRecords(QStringList* list);
  void DeleteResult(const QString& id);
  void DeleteAllResults();
  bool SaveResultReport(const QString& id, const QString& path);
  int GetLastResultId(const QString& group, const QString& exam);
  int CountResults();
  QString GetMotivationWord(int success);

  void SetRandomIndex(RandomIndex random) { random_ = std::move(random); }

 private:
  Store& store_;
  RandomIndex random_;
};

}  // namespace mirvel
