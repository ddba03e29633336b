#include "app/form1.h"
#include "forms/app.h"

int main(int argc, char **argv)
{
    return forms::App::run(argc, argv, [] { forms::load<Form1>().show(); });
}
