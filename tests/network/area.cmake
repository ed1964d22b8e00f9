# The IPsec key download runs the common library's conversions in-process.
target_link_libraries(test_network PRIVATE orvan_certificates_san)
