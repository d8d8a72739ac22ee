// The program's entry: hands the resources to the layer, which runs theApp.
#include "framework/app.h"
#include "framework/resources.h"
#include "res/resources.h"
#include "shell/quarvel_app.h"

int main(int argc, char** argv) {
    // theApp lives in the shell library; naming it here also makes the linker take it in.
    if (AfxGetApp() != &theApp) {
        return 1;
    }
    AfxSetResources(QuarvelResources());
    return AfxWinMain(argc, argv);
}
