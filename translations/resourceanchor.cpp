// The resources of this library are compiled in by qt_add_resources.
