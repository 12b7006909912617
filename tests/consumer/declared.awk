# Reads `readelf --debug-dump=info` of an object compiled with every
# installed header (-g -femit-class-debug-always) and prints the mangled name
# of each member function of namespace zev that the headers declare, less
# those no library has to export: deleted, defaulted in the class,
# compiler-made (artificial) and virtual ones (a call reaches a virtual
# function through the vtable, and GCC does not mark the pure ones), private
# ones (moc's qt_static_metacall...) and those of class template instances
# (their definitions are in the header).
function flush() {
    if (!subprogram || !declaration || skip || private || name !~ /^_ZNK?3zev/)
        return
    rest = name
    sub(/^_ZNK?3zev/, "", rest)
    if (match(rest, /^[0-9]+/) && substr(rest, RLENGTH + 1 + substr(rest, 1, RLENGTH), 1) == "I")
        return
    # A constructor or destructor is declared as one (C4, D4); a caller links the complete-object one.
    sub(/C4E/, "C1E", name)
    sub(/D4E/, "D1E", name)
    print name
}
/^ <[0-9]+><[0-9a-f]+>: Abbrev/ {
    flush()
    depth = substr($1, 2) + 0
    tag[depth] = $NF
    subprogram = ($0 ~ /DW_TAG_subprogram/)
    # A member with no access named has its class's default: private in a class.
    private = (tag[depth - 1] ~ /class_type/)
    name = ""; declaration = 0; skip = 0
    next
}
!subprogram { next }
/DW_AT_linkage_name/ { name = $NF }
/DW_AT_accessibility/ { private = ($0 ~ /private/) }
/DW_AT_declaration/ { declaration = 1 }
/DW_AT_artificial|DW_AT_deleted|DW_AT_virtuality|DW_AT_defaulted.*in class/ { skip = 1 }
END { flush() }
