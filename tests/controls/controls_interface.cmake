# The controls' API: members, vtables and type information of the Zel/zel
# classes. Painting helpers and the Qt templates the library instantiates stay inside.
set(allowed "^((vtable|typeinfo|typeinfo name|VTT|construction vtable) for )?[Zz]el[A-Za-z0-9_]*(::|$)")
set(needed "vtable for ZelPushButton")
