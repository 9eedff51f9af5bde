// VorrelinCurve in the browser: the page's window is made when the module starts.

int main() {
    return 0;
}
