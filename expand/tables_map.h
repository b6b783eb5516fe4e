#pragma once
// TablesMap: table name -> column list of a project's tables or archive tables.
// Only the owner link exists until the expansion is built.
class Project;

class TablesMap {
public:
  void setProject(Project* project) { project_ = project; }
  Project* getProject() const { return project_; }

private:
  Project* project_ = nullptr;
};
