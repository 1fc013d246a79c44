// Loads an IGES file with Open CASCADE's reader and prints what it found:
//   entities N
//   fails N       (syntax failures of the entities and of the Global section)
//   warnings N
//   bbox XMIN YMIN XMAX YMAX   (of the transferred shapes, when there are any)
// Exit code 0 when the file was read, 2 when the reader refused it, 1 on wrong arguments.
#include <BRepBndLib.hxx>
#include <Bnd_Box.hxx>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Check.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>

#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: kv9_iges_count FILE.igs\n";
    return 1;
  }
  // Keep the reader's own trace off standard output.
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_Printer));
  IGESControl_Reader reader;
  if (reader.ReadFile(argv[1]) != IFSelect_RetDone) {
    std::cout << "refused\n";
    return 2;
  }
  Handle(IGESData_IGESModel) model = reader.IGESModel();
  if (model.IsNull()) {
    std::cout << "refused\n";
    return 2;
  }
  int fails = model->GlobalCheck()->NbFails();
  int warnings = model->GlobalCheck()->NbWarnings();
  for (Standard_Integer i = 1; i <= model->NbEntities(); ++i) {
    fails += model->Check(i, Standard_True)->NbFails();
    warnings += model->Check(i, Standard_True)->NbWarnings();
  }
  std::cout << "entities " << model->NbEntities() << "\n";
  std::cout << "fails " << fails << "\n";
  std::cout << "warnings " << warnings << "\n";
  // Transferring the roots proves that instances and their transforms resolve to geometry.
  reader.TransferRoots();
  if (reader.NbShapes() > 0) {
    Bnd_Box box;
    BRepBndLib::Add(reader.OneShape(), box);
    if (!box.IsVoid()) {
      Standard_Real x0, y0, z0, x1, y1, z1;
      box.Get(x0, y0, z0, x1, y1, z1);
      std::cout << "bbox " << x0 << " " << y0 << " " << x1 << " " << y1 << "\n";
    }
  }
  return 0;
}
